#include "platform/ui/QtMediaPlayer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace {
// A mono 16-bit PCM WAV of a 440 Hz tone.
void WriteSineWav(const QString& path, int milliseconds) {
    constexpr int kRate = 8000;
    const int samples = kRate * milliseconds / 1000;
    QByteArray data(samples * 2, '\0');
    for (int i = 0; i < samples; ++i) {
        const auto s =
            static_cast<qint16>(6000 * std::sin(2 * std::numbers::pi * 440.0 * i / kRate));
        qToLittleEndian(s, data.data() + 2 * i);
    }
    QByteArray head;
    const auto u32 = [&](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        head.append(b, 4);
    };
    const auto u16 = [&](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        head.append(b, 2);
    };
    head.append("RIFF");
    u32(36 + static_cast<quint32>(data.size()));
    head.append("WAVEfmt ");
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(kRate);
    u32(kRate * 2);
    u16(2);
    u16(16);
    head.append("data");
    u32(static_cast<quint32>(data.size()));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(head + data);
}

// Runs the event loop until done() holds or the time is up.
template <typename Done> bool WaitFor(Done done, int milliseconds) {
    QDeadlineTimer deadline(milliseconds);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}
} // namespace

// A short tone goes through the real backend twice over. Without a sound
// device the sink may refuse it; then the failure must come through the
// failure report, once, and never hang the window.
TEST(QtMediaPlayerTest, PlaysAShortWavTheRequestedNumberOfTimes) {
    QTemporaryDir dir;
    const QString path = dir.filePath("tone.wav");
    WriteSineWav(path, 250);
    QtMediaPlayer player;
    int failures = 0;
    player.setFailureHandler([&](const QString&) { ++failures; });
    int finished = 0;
    QObject::connect(&player, &QtMediaPlayer::finishedPlaying, [&] { ++finished; });
    player.setSource(path);
    player.play(2);
    const bool settled = WaitFor([&] { return finished > 0 || failures > 0; }, 15000);
    ASSERT_TRUE(settled) << "neither finished nor failed";
    if (failures == 0) {
        EXPECT_EQ(player.completedPlays(), 2);
        EXPECT_EQ(finished, 1);
    } else {
        WaitFor([] { return false; }, 300);
        EXPECT_EQ(failures, 1);
        EXPECT_EQ(finished, 0);
    }
}

TEST(QtMediaPlayerTest, BadFileIsReportedOnceAfterTheCall) {
    QTemporaryDir dir;
    const QString path = dir.filePath("broken.mp3");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("this is not a song");
    f.close();
    QtMediaPlayer player;
    int failures = 0;
    player.setFailureHandler([&](const QString&) { ++failures; });
    player.stop();
    player.setSource(path);
    player.play(15);
    EXPECT_EQ(failures, 0); // never from inside the call
    ASSERT_TRUE(WaitFor([&] { return failures > 0; }, 10000));
    // The backend raises more errors for the same file: still one report.
    WaitFor([] { return false; }, 300);
    EXPECT_EQ(failures, 1);
    EXPECT_EQ(player.completedPlays(), 0);

    // A missing file is a failure too, reported again for the new command.
    player.stop();
    player.setSource(dir.filePath("missing.wav"));
    player.play(15);
    ASSERT_TRUE(WaitFor([&] { return failures > 1; }, 10000));
    WaitFor([] { return false; }, 300);
    EXPECT_EQ(failures, 2);
}
