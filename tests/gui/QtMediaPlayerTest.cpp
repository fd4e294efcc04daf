#include "platform/ui/QtMediaPlayer.h"
#include "GuiTestSupport.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// A mono 16-bit PCM WAV of silence.
void WriteWav(const QString& path, int milliseconds) {
    constexpr quint32 kRate = 8000;
    const quint32 samples = kRate * milliseconds / 1000;
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    QDataStream out(&f);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + 2 * samples);
    out.writeRawData("WAVEfmt ", 8);
    // Format chunk: PCM, mono, the rate, bytes a second, bytes a sample, bits.
    out << quint32(16) << quint16(1) << quint16(1) << kRate << kRate * 2 << quint16(2)
        << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(2 * samples);
    out.writeRawData(QByteArray(qsizetype(2 * samples), '\0').constData(), int(2 * samples));
}
} // namespace

// A bad file is reported through the failure report, once and never from
// inside the call; a missing one is reported again for the new command.
// Then a short sound goes through the real backend twice over. Without a
// sound device the sink may refuse it; then the failure comes through the
// failure report, once, and never hangs the window.
TEST(QtMediaPlayerTest, ReportsBadFilesOnceThenPlaysAWavTwice) {
    QTemporaryDir dir;
    const QString broken = dir.filePath("broken.mp3");
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("this is not a song");
    f.close();
    QtMediaPlayer player;
    int failures = 0;
    player.setFailureHandler([&](const QString&) { ++failures; });
    int finished = 0;
    QObject::connect(&player, &QtMediaPlayer::finishedPlaying, [&] { ++finished; });
    player.setSource(broken);
    player.play(15);
    EXPECT_EQ(failures, 0);
    ASSERT_TRUE(RunEventsUntil([&] { return failures > 0; }, 10000));
    // The backend raises more errors for the same file: still one report.
    RunEventsFor(300);
    EXPECT_EQ(failures, 1);
    player.stop();
    player.setSource(dir.filePath("missing.wav"));
    player.play(15);
    ASSERT_TRUE(RunEventsUntil([&] { return failures > 1; }, 10000));
    RunEventsFor(300);
    EXPECT_EQ(failures, 2);

    const QString path = dir.filePath("tone.wav");
    WriteWav(path, 250);
    player.stop();
    player.setSource(path);
    player.play(2);
    ASSERT_TRUE(RunEventsUntil([&] { return finished > 0 || failures > 2; }, 15000))
        << "neither finished nor failed";
    if (failures == 2) {
        EXPECT_EQ(player.completedPlays(), 2);
        EXPECT_EQ(finished, 1);
    } else {
        RunEventsFor(300);
        EXPECT_EQ(failures, 3);
        EXPECT_EQ(finished, 0);
    }
}
