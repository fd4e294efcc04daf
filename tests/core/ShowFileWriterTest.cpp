// Show files written and read back, and saves that fail half way.
#include "document/ShowFileWriter.h"
#include "ScriptShows.h"
#include "core/TestFiles.h"
#include "document/ShowFileState.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {
// A show with every field away from its default: two slides of their own
// colours, captions and backgrounds (see ScriptShows.h), a picture and a
// background beside the show file and one elsewhere, one of the program's own
// pictures, and a slide key of a newer version.
SlideShowProject FullShow(const QString& folder, const QString& program) {
    SlideShowProject p =
        MakeShow({folder + "/pics/été.jpg", "/elsewhere/b.jpg"}, Background::PicturePerSlide);
    p.slide(1).Caption = QStringLiteral("Crème brûlée — 東京 \"quoted\"");
    p.slide(2).BkPicture = folder + QStringLiteral("/bk.gif");
    p.slide(2).OtherKeys = {{QStringLiteral("Narration"), QStringLiteral("two.mp3")}};
    ShowSettings& s = p.settings;
    s.FontInUse = QStringLiteral("Noto Serif");
    s.FontSizeInUse = QStringLiteral("22");
    s.NumSecDelay = 17;
    s.AmountOfSlidesFFRev = 5000; // beyond the options box, as the settings may hold it
    s.Flashing = 0;
    s.FitPictures = true;
    s.FitWidth = 1280;
    s.PictureSizes = true;
    s.Player = true;
    s.SongPath = folder + QStringLiteral("/music/song.mp3");
    s.OpenPgBkPic = program + QStringLiteral("/film.gif");
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
// file are stored relative, so the folder can move, and the program's own
// pictures are found in the install that opens the show; what a newer version
// wrote is handed on.
TEST(ShowFileWriterTest, SaveAndReopenKeepsEveryFieldAndMovesWithItsFolder) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("a");
    QDir().mkpath(folder);
    const SlideShowProject saved = FullShow(folder, dir.filePath("install-1"));
    ShowFileState doc;
    doc.path = folder + QStringLiteral("/trip.json");
    doc.kept = {3,
                {{QStringLiteral("Chapters"), QJsonArray{1, 2}}},
                {{QStringLiteral("ComingLater"), true}},
                {{QStringLiteral("Target"), QStringLiteral("phone")}}};
    ASSERT_EQ(SaveFileAtomically(doc.path, doc.Json(saved, dir.filePath("install-1"))),
              std::nullopt);

    const QJsonObject top = QJsonDocument::fromJson(ReadFile(doc.path)).object();
    EXPECT_EQ(top.value("format").toInt(), 3);
    EXPECT_EQ(top.value("settings")["OpenPgBkPic"].toString(), "{program}/film.gif");

    // The whole folder moves to another install; the show follows it.
    const QString moved = dir.filePath("b");
    ASSERT_TRUE(QDir().rename(folder, moved));
    const QString install = dir.filePath("install-2");
    const auto read = LoadShowFile(moved + "/trip.json", {install, moved, {}});
    ASSERT_TRUE(std::holds_alternative<LoadedShow>(read)) << std::get<QString>(read).toStdString();
    const LoadedShow& show = std::get<LoadedShow>(read);
    EXPECT_EQ(show.kept, doc.kept);
    SlideShowProject p;
    TakeLoadedShow(p, show);

    SlideShowProject expected = FullShow(moved, install);
    expected.slide(2).PicturePath = QStringLiteral("/elsewhere/b.jpg");
    ASSERT_EQ(p.SlideCount(), 2);
    for (int k = 1; k <= 2; ++k)
        EXPECT_EQ(p.slide(k), expected.slide(k)) << k;
    // Everything that shapes the compiled show, read back as written.
    EXPECT_EQ(ShowFileJson(p, {}), ShowFileJson(expected, {}));
    EXPECT_EQ(p.names.OutputFolder, moved + "/out/show/");
    EXPECT_EQ(p.settings.AmountOfSlidesFFRev, 5000);

    // Saved again, the file holds everything it held.
    ShowFileState again;
    again.path = moved + "/trip.json";
    again.kept = show.kept;
    EXPECT_EQ(QJsonDocument::fromJson(again.Json(p, install)).object(), top);

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
    // A disk that fills up part way through a write: the reason the system
    // gives is named (here the file size limit stands in for a full disk).
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 100 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::optional<QString> full = SaveFileAtomically(path, big);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(full, std::optional<QString>("File too large"));
    EXPECT_EQ(ReadFile(path), "old show");
    // A folder that is not there is an error, not a crash.
    EXPECT_TRUE(SaveFileAtomically(dir.filePath("none/x.json"), "x").has_value());
}
