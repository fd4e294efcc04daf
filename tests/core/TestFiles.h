#pragma once

#include "core/PrintQt.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

// Writes a file, making its folder first.
inline void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

// A file's bytes; empty when it cannot be read.
inline QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A FIFO at path, which nothing writes to: opening it for reading waits.
inline bool MakeFifo(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

// Keeps a test about a FIFO from hanging: once the time limit has passed it
// opens the FIFO for writing again and again, which lets a read blocked on it
// go on (and see the end), so a regression fails the test instead of hanging
// the run. fired() tells whether it had to.
class FifoWatchdog {
public:
    explicit FifoWatchdog(const QString& fifo,
                          std::chrono::milliseconds limit = std::chrono::seconds(5))
        : name(QFile::encodeName(fifo)), thread([this, limit] { watch(limit); }) {}
    ~FifoWatchdog() {
        {
            std::lock_guard lock(mutex);
            stopping = true;
        }
        wake.notify_all();
        thread.join();
    }
    bool fired() const { return hadToFire; }

private:
    void watch(std::chrono::milliseconds limit) {
        std::unique_lock lock(mutex);
        if (wake.wait_for(lock, limit, [this] { return stopping; }))
            return;
        hadToFire = true;
        while (!wake.wait_for(lock, std::chrono::milliseconds(20), [this] { return stopping; })) {
            const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
        }
    }

    QByteArray name;
    std::mutex mutex;
    std::condition_variable wake;
    bool stopping = false;
    std::atomic<bool> hadToFire = false;
    std::thread thread;
};
