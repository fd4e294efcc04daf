// The player page's files: the show's data as a script literal, the upright
// sizes of the copies the compile wrote, the song and the page's names. The
// page played in a browser is in tests/e2e/player_browser.js.
#include "compiler/PlayerPage.h"
#include "ScriptShows.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

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
// phone size leaves the full picture alone, a picture not written has no
// name. The song is kept for MP3 and WAV.
TEST(PlayerPage, DataNamesTheSizesWrittenAndThePlayableSong) {
    SlideShowProject p =
        MakeShow({"/a/one.jpg", "/a/two.gif", "/a/three.jpg"}, Background::PicturePerSlide);
    p.slide(1).Caption = QStringLiteral("<b>bold</b>");
    p.names.FirstPageName = QStringLiteral("trip & <co>");
    p.settings.SongPath = QStringLiteral("/music/Song.MP3");
    SettleNamesAsNamed(p);
    PixFiles& pix = p.names.pix;
    // Slide 1 stored sideways (EXIF 6): its sizes are upright.
    pix.fullSizes = {{3000, 4000}, {300, 200}, {}};
    pix.thumbSizes = {{135, 180}, {240, 160}, {}};
    pix.phoneSizes = {{960, 1280}, {}, {}};

    const PlayerFiles files = PlayerPage(p, "/unused");
    const QString script = QString::fromUtf8(files.script);
    EXPECT_TRUE(script.startsWith("var pevranoShow = {\"delay\":4,\"song\":\"thesong.mp3\""));
    EXPECT_TRUE(script.contains(R"(["pic1.jpg",3000,4000,"\u003cb\u003ebold\u003c/b\u003e",)"));
    EXPECT_TRUE(script.contains(R"(,"bkimg1.gif",135,960,"",0])"));
    EXPECT_TRUE(script.contains(R"(["pic2.gif",300,200,)"));
    EXPECT_TRUE(script.contains(R"(,"bkimg2.gif",240,0,"",0])"));
    EXPECT_TRUE(script.contains(R"(["",0,0,)")); // not written: no picture, no size
    EXPECT_TRUE(script.contains("function fromHash()")) << "the player's code follows the data";
    EXPECT_TRUE(files.style.contains("#stage"));

    const QString page = QString::fromUtf8(files.page);
    EXPECT_TRUE(page.contains("<title>trip &amp; &lt;co&gt;</title>"));
    EXPECT_TRUE(page.contains("href=\"trip%20%26%20%3Cco%3E.htm\""));
    EXPECT_TRUE(page.contains("Content-Security-Policy"));
    EXPECT_FALSE(page.contains("@TITLE@"));

    EXPECT_TRUE(PlayerPlaysSong("thesong.wav"));
    EXPECT_FALSE(PlayerPlaysSong("thesong.mid"));
    EXPECT_FALSE(PlayerPlaysSong(""));
    pix.song = QStringLiteral("thesong.mid");
    EXPECT_TRUE(PlayerPage(p, "/unused").script.contains("\"song\":\"\","));
}
