// Show files written and read back, and saves that fail half way.
#include "compiler/ShowFileWriter.h"
#include "ScriptShows.h"
#include "compiler/ShowDocument.h"
#include "core/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// A show with every field away from its default: two slides of their own
// colours, captions and backgrounds (see ScriptShows.h), a picture and a
// background beside the show file and one elsewhere.
SlideShowProject FullShow(const QString& folder) {
    SlideShowProject p =
        MakeShow({folder + "/pics/été.jpg", "/elsewhere/b.jpg"}, Background::PicturePerSlide);
    p.slide(1).Caption = QStringLiteral("Crème brûlée — 東京 \"quoted\"");
    p.slide(2).BkPicture = folder + QStringLiteral("/bk.gif");
    ShowSettings& s = p.settings;
    s.FontInUse = QStringLiteral("Noto Serif");
    s.FontSizeInUse = QStringLiteral("22");
    s.NumSecDelay = 17;
    s.AmountOfSlidesFFRev = 9;
    s.Flashing = 0;
    s.FitPictures = true;
    s.FitWidth = 1280;
    s.PictureSizes = true;
    s.SongPath = folder + QStringLiteral("/music/song.mp3");
    s.OpenPgBkPic = QStringLiteral("/elsewhere/open.jpg");
    s.NewBkPicture = folder + QStringLiteral("/bk.gif");
    s.CaptionFrameColor = 0x010203;
    s.CaptionForeColor = 0x040506;
    s.CaptionBackColor = 0x070809;
    s.NewSlideBackColor = 0x0A0B0C;
    s.ButtonColors = {0x111111, 0x222222, 0x333333, 0x444444, 0x555555};
    s.TitleMessage = QStringLiteral("Welcome");
    p.names.FirstPageName = QStringLiteral("trip");
    p.names.ShowFolderName = QStringLiteral("show");
    p.names.OutputFolder = folder + QStringLiteral("/out/show/");
    return p;
}
} // namespace

// Every field survives a save and an open; paths beside or below the show
// file are stored relative, so the folder can move; unknown settings keys are
// handed on.
TEST(ShowFileWriterTest, SaveAndReopenKeepsEveryFieldAndMovesWithItsFolder) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("a");
    QDir().mkpath(folder);
    const SlideShowProject saved = FullShow(folder);
    ShowDocument doc;
    doc.path = folder + QStringLiteral("/trip.json");
    doc.otherSettings = {{QStringLiteral("ComingLater"), true}};
    ASSERT_EQ(SaveFileAtomically(doc.path, doc.Json(saved)), std::nullopt);

    const QJsonObject top = QJsonDocument::fromJson(ReadFile(doc.path)).object();
    EXPECT_EQ(top.value("format").toInt(), kShowFileFormat);

    // The whole folder moves; the show follows it.
    const QString moved = dir.filePath("b");
    ASSERT_TRUE(QDir().rename(folder, moved));
    const auto read = LoadShowFile(moved + "/trip.json", {moved, moved, {}});
    ASSERT_TRUE(std::holds_alternative<LoadedShow>(read)) << std::get<QString>(read).toStdString();
    const LoadedShow& show = std::get<LoadedShow>(read);
    EXPECT_EQ(show.otherSettings, doc.otherSettings);
    SlideShowProject p;
    TakeLoadedShow(p, show);

    SlideShowProject expected = FullShow(moved);
    expected.slide(2).PicturePath = QStringLiteral("/elsewhere/b.jpg");
    ASSERT_EQ(p.SlideCount(), 2);
    for (int k = 1; k <= 2; ++k)
        EXPECT_EQ(p.slide(k), expected.slide(k)) << k;
    // Everything that shapes the compiled show, read back as written.
    EXPECT_EQ(ShowFileJson(p, {}), ShowFileJson(expected, {}));
    EXPECT_EQ(p.names.OutputFolder, moved + "/out/show/");

    // A file without "format" still reads.
    QJsonObject old = top;
    old.remove("format");
    EXPECT_TRUE(std::holds_alternative<LoadedShow>(
        ParseShow(QJsonDocument(old).toJson(), moved, "old.json", {moved, moved, {}})));
}

// A save that fails half way leaves the old file as it was, and no stray
// temporary file beside it.
TEST(ShowFileWriterTest, SaveFailingHalfWayLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("trip.json");
    ASSERT_EQ(SaveFileAtomically(path, "old show"), std::nullopt);
    int calls = 0;
    const ChunkWriter diskFull = [&](QSaveFile& file, const char* data, qint64 size) -> qint64 {
        if (++calls > 1)
            return -1;
        return file.write(data, size);
    };
    const QByteArray big(200 * 1024, 'x');
    const std::optional<QString> failed = SaveFileAtomically(path, big, diskFull);
    ASSERT_TRUE(failed.has_value());
    EXPECT_GT(calls, 1);
    EXPECT_EQ(ReadFile(path), "old show");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"trip.json"});
    // A folder that is not there is an error, not a crash.
    EXPECT_TRUE(SaveFileAtomically(dir.filePath("none/x.json"), "x").has_value());
}
