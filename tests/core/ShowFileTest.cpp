#include "document/ShowFile.h"

#include "core/TestFiles.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const ShowFileContext kWhere{"/opt/pevrano", "/home/ann", "/work/here"};

LoadedShow Parse(const char* json) {
    auto r = ParseShow(QByteArray(json), "/shows/trip", "show.json", kWhere);
    if (const QString* bad = std::get_if<QString>(&r)) {
        ADD_FAILURE() << bad->toStdString();
        return {};
    }
    return std::get<LoadedShow>(std::move(r));
}

QString Error(const QByteArray& json) {
    auto r = ParseShow(json, "/shows/trip", "show.json", kWhere);
    const QString* bad = std::get_if<QString>(&r);
    return bad ? *bad : QStringLiteral("(parsed)");
}
} // namespace

TEST(ShowFile, MissingKeysTakeFreshSlotAndFirstStartValues) {
    const LoadedShow s =
        Parse(R"({"slides": [{"PicturePath": "a.jpg"}, {"PicturePath": "b.gif"}]})");
    const SlideShowProject& p = s.project;
    ASSERT_EQ(p.SlideCount(), 2);
    EXPECT_EQ(p.slide(1), (Slide{"/shows/trip/a.jpg", kFreshCaption, "&HC100FF", "&HFFFF80",
                                 "&H000000", "/opt/pevrano/clouds.jpg"}));
    EXPECT_EQ(p.slide(2).PicturePath, "/shows/trip/b.gif");
    EXPECT_EQ(p.settings.OpenPgBkPic, "/opt/pevrano/wood.gif");
    // A show stored without the smaller sizes compiles as it always did.
    EXPECT_FALSE(WantsPictureSizes(p.settings));
    EXPECT_FALSE(p.settings.Player); // older show files compile as they did
    EXPECT_EQ(s.answers.Directory, "/work/here");
    EXPECT_FALSE(s.answers.FirstPageName || s.answers.ShowFolderName || s.answers.TitleMessage);
    EXPECT_TRUE(s.warnings.isEmpty());
}

// The key names are pinned by the compiled-show snapshots and the round trip
// of the writer; here what is written becomes what the window would hold.
TEST(ShowFile, GivenValuesPathsAndNamesAsIfTyped) {
    const LoadedShow s = Parse(R"({
      "slides": [{"PicturePath": "pics\\a.JPG", "PicBackColor": "&hc100ff"}],
      "settings": {"FontSizeInUse": 18, "Flashing": false, "SongPath": "../music/Tune.MID",
                   "PictureSizes": true, "Player": true},
      "compile": {"FirstPageName": "My ../Show: 1", "ShowFolderName": "A/B.C",
                  "Directory": "out", "TitleMessage": "Hi"}})");
    const SlideShowProject& p = s.project;
    EXPECT_EQ(p.slide(1).PicturePath, "/shows/trip/pics/a.JPG");
    EXPECT_EQ(p.slide(1).PicBackColor, "&HC100FF");
    EXPECT_EQ(p.settings.FontSizeInUse, "18");
    EXPECT_EQ(p.settings.Flashing, 0);
    EXPECT_TRUE(p.settings.Player);
    EXPECT_EQ(p.settings.SongPath, "/shows/music/Tune.MID");
    EXPECT_TRUE(p.settings.PictureSizes);
    EXPECT_EQ(s.answers.FirstPageName, std::optional<QString>("my show 1"));
    EXPECT_EQ(s.answers.ShowFolderName, std::optional<QString>("abc"));
    EXPECT_EQ(s.answers.Directory, "/shows/trip/out");
    EXPECT_EQ(s.answers.TitleMessage, std::optional<QString>("Hi"));
}

// What the settings can hold, an empty Directory and names with control
// characters are taken as the window would take them.
TEST(ShowFile, LongDelayEmptyDirectoryAndControlCharacters) {
    const LoadedShow s = Parse(R"({"settings": {"NumSecDelay": 99, "AmountOfSlidesFFRev": 32767},
      "compile": {"Directory": "", "FirstPageName": "a\u0000b\tc", "ShowFolderName": "\n"}})");
    EXPECT_EQ(s.project.settings.NumSecDelay, 99);
    EXPECT_EQ(s.project.settings.AmountOfSlidesFFRev, 32767);
    EXPECT_EQ(s.answers.Directory, "/work/here");
    EXPECT_EQ(s.answers.FirstPageName, std::optional<QString>("abc"));
    EXPECT_EQ(s.answers.ShowFolderName, std::optional<QString>(""));
}

// Keys of a newer version are kept for saving, each where it was found.
TEST(ShowFile, UnknownKeysAreKeptAndWarnedAbout) {
    const LoadedShow s = Parse(R"({"format": 4, "extra": [1],
      "slides": [{"PicturePath": "a.jpg", "Title": "x"}],
      "settings": {"Later": true}, "compile": {"Target": "phone"}})");
    EXPECT_EQ(
        s.warnings,
        QStringList({"compile.Target: unknown key, kept", "extra: unknown key, kept",
                     "format: written by a newer version; keys it added are kept, not used",
                     "settings.Later: unknown key, kept", "slides[0].Title: unknown key, kept"}));
    EXPECT_EQ(s.kept.format, 4);
    EXPECT_EQ(s.kept.top, (QJsonObject{{"extra", QJsonArray{1}}}));
    EXPECT_EQ(s.kept.settings, (QJsonObject{{"Later", true}}));
    EXPECT_EQ(s.kept.compile, (QJsonObject{{"Target", "phone"}}));
    EXPECT_EQ(s.project.slide(1).OtherKeys, (QJsonObject{{"Title", "x"}}));
}

// The tool's own preferences in a show file (written by hand, or by another
// tool) are neither taken, nor kept, nor warned about.
TEST(ShowFile, ToolPreferencesInAShowAreIgnored) {
    const LoadedShow s = Parse(R"({"settings": {"UseColorTool": false, "SoundOn": true,
      "ToolTipsOn": false, "MusicDir": "/songs", "DirectoryLastOpenned": "/pics",
      "ActiveColor": "#123456", "NumSecDelay": 9}})");
    EXPECT_TRUE(s.warnings.isEmpty());
    EXPECT_TRUE(s.kept.settings.isEmpty());
    EXPECT_EQ(s.project.tool, ToolPreferences{});
    EXPECT_EQ(s.project.settings.NumSecDelay, 9);
}

// A "\\" is a letter of a file name that exists as written, and a separator
// only otherwise; the program's own pictures come from this install.
TEST(ShowFile, BackslashesAndTheProgramsOwnPictures) {
    QTemporaryDir dir;
    WriteFile(dir.filePath("we\\ird.jpg"), "x");
    auto r = ParseShow(R"({"slides": [{"PicturePath": "we\\ird.jpg"},
                                       {"PicturePath": "pics\\a.jpg"}],
                           "settings": {"OpenPgBkPic": "{program}/film.gif",
                                        "NewBkPicture": "{program}/../x.gif"}})",
                       dir.path(), "show.json", kWhere);
    ASSERT_TRUE(std::holds_alternative<LoadedShow>(r)) << std::get<QString>(r).toStdString();
    const SlideShowProject& p = std::get<LoadedShow>(r).project;
    EXPECT_EQ(p.slide(1).PicturePath, dir.filePath("we\\ird.jpg"));
    EXPECT_EQ(p.slide(2).PicturePath, dir.filePath("pics/a.jpg"));
    EXPECT_EQ(p.settings.OpenPgBkPic, "/opt/pevrano/film.gif");
    // Only the program's pictures are looked for there.
    EXPECT_EQ(p.settings.NewBkPicture, dir.filePath("x.gif"));
}

TEST(ShowFile, ErrorsNameThePlaceOfTheFault) {
    QByteArray tooMany = "{\"slides\": [";
    for (int i = 0; i < 1001; ++i)
        tooMany += QByteArray(i ? "," : "") + "{\"PicturePath\": \"a.jpg\"}";
    tooMany += "]}";
    const struct {
        QByteArray json;
        const char* error;
    } cases[] = {
        {"{\n  \"slides\": [\n    {\"PicturePath\": \"a.jpg\",,}\n  ]\n}",
         "show.json:3:30: unterminated object"},
        // Columns count characters, not the bytes of their UTF-8 form.
        {"{\"slides\": [],\n \"caf\xc3\xa9\xc3\xa9\": x}", "show.json:2:11: illegal number"},
        {"[1, 2]", "show.json: expected an object with \"slides\""},
        {R"({"slides": [{"Caption": "x"}]})", "show.json: slides[0]: PicturePath is missing"},
        {R"({"slides": [{"PicturePath": ""}]})",
         "show.json: slides[0].PicturePath: expected a picture file"},
        {R"({"slides": [{"PicturePath": "a", "CapForeColor": "#FF0000"}]})",
         "show.json: slides[0].CapForeColor: expected a colour such as \"&HC100FF\""},
        {R"({"settings": {"NumSecDelay": 100}})",
         "show.json: settings.NumSecDelay: expected a whole number from 3 to 99"},
        {R"({"settings": {"AmountOfSlidesFFRev": 32768}})",
         "show.json: settings.AmountOfSlidesFFRev: expected a whole number from 1 to 32767"},
        {R"({"settings": {"ButtonColors": ["&H000000"]}})",
         "show.json: settings.ButtonColors: expected a list of 5 colours"},
        {R"({"slides": {}})", "show.json: slides: expected a list of slides"},
        {tooMany, "show.json: slides: 1001 slides; a show holds at most 1000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Error(c.json), c.error);
}

// A show file over the limit is refused before it is read: a sparse file of
// 300 MB costs no disk, and reading it would cost 300 MB of memory.
TEST(ShowFile, FileOverTheLimitIsRefusedUnread) {
    QTemporaryDir dir;
    const QString path = dir.filePath("huge.json");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(R"({"slides": []})");
        ASSERT_TRUE(f.resize(300LL * 1024 * 1024));
    }
    auto r = LoadShowFile(path, kWhere);
    ASSERT_TRUE(std::holds_alternative<QString>(r));
    EXPECT_EQ(std::get<QString>(r), path + ": cannot read the show file: it is larger than 256 MB");
}
