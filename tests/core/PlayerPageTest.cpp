// The player page's files: the show's data as a script literal, the picture
// sizes read from the written files, the song and the page's names. The
// page played in a browser is in tests/e2e/player_browser.js.
#include "compiler/PlayerPage.h"
#include "ScriptShows.h"
#include "TestFiles.h"
#include "compiler/PictureDimensions.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QByteArray Be16(int v) {
    QByteArray b;
    b += char((v >> 8) & 0xFF);
    b += char(v & 0xFF);
    return b;
}
QByteArray Le(quint32 v, int bytes) {
    QByteArray b;
    for (int i = 0; i < bytes; ++i)
        b += char((v >> (8 * i)) & 0xFF);
    return b;
}

// The start of a JPEG: an EXIF segment to skip, fill bytes, then the frame.
QByteArray JpegHead(int width, int height) {
    QByteArray exif(300, 'x');
    return QByteArray("\xFF\xD8\xFF\xE1", 4) + Be16(exif.size() + 2) + exif +
           QByteArray("\xFF\xFF\xC2", 3) + Be16(17) + '\x08' + Be16(height) + Be16(width) +
           QByteArray(12, '\0');
}
QByteArray PngHead(quint32 width, quint32 height) {
    QByteArray b("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    b += Be16(width >> 16) + Be16(width & 0xFFFF) + Be16(height >> 16) + Be16(height & 0xFFFF);
    return b + QByteArray(9, '\0');
}
QByteArray BmpHead(int width, int height) {
    return "BM" + QByteArray(12, '\0') + Le(40, 4) + Le(quint32(width), 4) +
           Le(quint32(height), 4) + QByteArray(30, '\0');
}
} // namespace

TEST(PlayerPage, PictureDimensionsFromTheHeaderAlone) {
    QTemporaryDir dir;
    const auto size = [&](const char* name, const QByteArray& bytes) {
        WriteFile(dir.filePath(name), bytes);
        return PictureDimensions(dir.filePath(name));
    };
    EXPECT_EQ(size("a.jpg", JpegHead(4000, 3000)), QSize(4000, 3000));
    EXPECT_EQ(size("a.png", PngHead(1280, 77)), QSize(1280, 77));
    EXPECT_EQ(size("a.gif", "GIF89a" + Le(320, 2) + Le(200, 2) + "rest"), QSize(320, 200));
    EXPECT_EQ(size("a.bmp", BmpHead(640, -480)), QSize(640, 480)); // stored top-down
    // Cut short, unknown or absent: no size, never a guess.
    EXPECT_FALSE(size("cut.jpg", JpegHead(4000, 3000).left(200)).isValid());
    EXPECT_FALSE(size("zero.png", PngHead(0, 10)).isValid());
    EXPECT_FALSE(size("a.txt", "hello").isValid());
    EXPECT_FALSE(PictureDimensions(dir.filePath("missing.jpg")).isValid());
    EXPECT_FALSE(PictureDimensions(dir.path()).isValid());
}

// Whatever a caption holds, the literal is ASCII and cannot end the script
// element, open a comment or break a line of the script.
TEST(PlayerPage, ScriptLiteralEscapesForEveryContext) {
    EXPECT_EQ(ScriptLiteral(QStringLiteral("</script><!-- \"a\" 'b' \\ &\r\n")),
              R"("\u003c/script\u003e\u003c!-- \"a\" \u0027b\u0027 \\ \u0026\u000d\n")");
    EXPECT_EQ(ScriptLiteral(QStringLiteral("Caf\u00e9 \u2028\u2029 \U0001F600")),
              R"("Caf\u00e9 \u2028\u2029 \ud83d\ude00")");
    EXPECT_EQ(ScriptLiteral(QString()), "\"\"");
}

// The sizes written beside a picture go into the data; a missing thumbnail or
// phone size leaves the full picture alone. The song is kept for MP3 and WAV.
TEST(PlayerPage, DataNamesTheSizesFoundAndThePlayableSong) {
    QTemporaryDir dir;
    const QString pix = dir.filePath("pix");
    SlideShowProject p =
        MakeShow({"/a/one.jpg", "/a/two.gif", "/a/three.jpg"}, Background::PicturePerSlide);
    p.slide(1).Caption = QStringLiteral("<b>bold</b>");
    p.names.FirstPageName = QStringLiteral("trip & <co>");
    p.settings.SongPath = QStringLiteral("/music/Song.MP3");
    WriteFile(pix + "/pic1.jpg", JpegHead(4000, 3000));
    WriteFile(pix + "/thumbs/pic1.jpg", JpegHead(240, 180));
    WriteFile(pix + "/phone/pic1.jpg", JpegHead(1280, 960));
    WriteFile(pix + "/pic2.gif", "GIF87a" + Le(300, 2) + Le(200, 2));
    WriteFile(pix + "/thumbs/pic2.jpg", JpegHead(240, 160));

    const PlayerFiles files = PlayerPage(p, pix);
    const QString script = QString::fromUtf8(files.script);
    EXPECT_TRUE(script.startsWith("var pevranoShow = {\"delay\":4,\"song\":\"thesong.mp3\""));
    EXPECT_TRUE(script.contains(R"(["pic1.jpg",4000,3000,"\u003cb\u003ebold\u003c/b\u003e",)"));
    EXPECT_TRUE(script.contains(R"(,"bkimg1.gif",240,1280])"));
    EXPECT_TRUE(script.contains(R"(["pic2.gif",300,200,)"));
    EXPECT_TRUE(script.contains(R"(,"bkimg2.gif",240,0])"));
    EXPECT_TRUE(script.contains(R"(["pic3.jpg",0,0,)")); // not copied: no size
    EXPECT_TRUE(script.contains("function fromHash()")) << "the player's code follows the data";
    EXPECT_TRUE(files.style.contains("#stage"));

    const QString page = QString::fromUtf8(files.page);
    EXPECT_TRUE(page.contains("<title>trip &amp; &lt;co&gt;</title>"));
    EXPECT_TRUE(page.contains("href=\"trip%20%26%20%3Cco%3E.htm\""));
    EXPECT_TRUE(page.contains("Content-Security-Policy"));
    EXPECT_FALSE(page.contains("@TITLE@"));

    EXPECT_TRUE(PlayerPlaysSong("/m/a.wav"));
    EXPECT_FALSE(PlayerPlaysSong("/m/a.MID"));
    EXPECT_FALSE(PlayerPlaysSong(""));
    p.settings.SongPath = QStringLiteral("/music/Tune.mid");
    EXPECT_TRUE(PlayerPage(p, pix).script.contains("\"song\":\"\","));
}
