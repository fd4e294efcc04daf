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

// The smallest real pictures (2 x 2, black) of each format browsers show,
// by the extension asked for (".jpg", ".jpeg", ".png", ".gif", ".bmp"; any
// other gives JPEG), with `tag` after their end, where readers do not look:
// a copy as it is still tells where it came from.
inline QByteArray TinyPicture(const QString& ext, const QByteArray& tag = {}) {
    const QString e = ext.toLower();
    QByteArray bytes;
    if (e == u".png")
        bytes = QByteArray::fromHex(
            "89504e470d0a1a0a0000000d4948445200000002000000020802000000fdd49a730000000b4944415408d7"
            "6360400600000e000131e9dd150000000049454e44ae426082");
    else if (e == u".gif")
        bytes = QByteArray::fromHex(
            "47494638396102000200f0000000000000000021f90400000000002c000000000200020000020284510"
            "03b");
    else if (e == u".bmp")
        bytes = QByteArray::fromHex("424d46000000000000003600000028000000020000000200000001001800"
                                    "000000001000000000000000000000000000000000000000"
                                    "00000000000000000000000000000000");
    else
        bytes = QByteArray::fromHex(
            "ffd8ffdb004300100b0c0e0c0a100e0d0e1211101318281a181616183123251d283a333d3c3933383740"
            "485c4e404457453738506d51575f626768673e4d71797064785c656763ffc0000b080002000201011100"
            "ffc4001f0000010501010101010100000000000000000102030405060708090a0bffc400b51000020103"
            "03020403050504040000017d01020300041105122131410613516107227114328191a1082342b1c11552"
            "d1f02433627282090a161718191a25262728292a3435363738393a434445464748494a53545556575859"
            "5a636465666768696a737475767778797a838485868788898a92939495969798999aa2a3a4a5a6a7a8a9"
            "aab2b3b4b5b6b7b8b9bac2c3c4c5c6c7c8c9cad2d3d4d5d6d7d8d9dae1e2e3e4e5e6e7e8e9eaf1f2f3f4"
            "f5f6f7f8f9faffda0008010100003f00f3faffd9");
    return tag.isEmpty() ? bytes : bytes + '\n' + tag + '\n';
}

// The program folder's files that a compile copies into every show: tiny
// pictures of the formats their names say (the applet archive a JPEG), each
// tagged with its name.
inline void WriteProgramFolder(const QString& folder) {
    for (const char* name : {"wood.gif", "photo.jar", "ssbc.jpg", "ssbnoc.jpg", "ssnobnoc.jpg",
                             "catalog.jpg", "fraleft.jpg", "fraright.jpg"})
        WriteFile(folder + '/' + name, TinyPicture(QFileInfo(name).suffix().prepend('.'), name));
}
