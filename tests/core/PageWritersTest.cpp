// Rules of the page writers that the compiled-show snapshots do not reach:
// the opening-page message prompt, the 12-hour clock at midnight, a show of a
// thousand slides, and the encoding of text outside the snapshots' shows.
// Script strings with backslashes and line ends are run in node.
#include "ScriptShows.h"
#include "ScriptedPrompter.h"
#include "compiler/AppletPage.h"
#include "compiler/CatalogPages.h"
#include "compiler/PageFile.h"
#include "compiler/PageText.h"
#include "compiler/ScriptLibrary.h"
#include "compiler/SlidePages.h"
#include "compiler/TitlePage.h"
#include "core/PrintQt.h"

#include <gtest/gtest.h>

TEST(TitlePage, EmptyOrCancelledAnswersAskAgain) {
    SlideShowProject p = MakeShow(3, Background::OneColor);
    p.settings.TitleMessage = "message of the last compile";
    p.settings.OpenPgBkPic = "/pictures/Pic #1 100%?\".BMP";
    SettleNamesAsNamed(p);
    ScriptedPrompter ui;
    ui.queueInput(QString());
    ui.queueInput(std::nullopt);
    ui.queueInput(QStringLiteral("Spring 2004"));
    const QString page = TitlePage(p, ui);

    EXPECT_EQ(p.settings.TitleMessage, "Spring 2004");
    EXPECT_TRUE(page.contains(u"<TITLE>Spring 2004</TITLE>"));
    // The background's link is escaped where a URL would end or change.
    EXPECT_TRUE(page.contains(u"<BODY BACKGROUND=\"pix/pic %231 100%25%3F%22.bmp\""));
    ASSERT_EQ(ui.questions().size(), 3u);
    for (const auto& q : ui.questions())
        EXPECT_EQ(q.input.defaultText, "Enjoy my slide show of family pictures.");
}

TEST(PageHead, CreatedOnIsATwelveHourClock) {
    const SlideShowProject p = MakeShow(3, Background::OneColor);
    EXPECT_TRUE(PageHead(p, QDateTime(QDate(1999, 12, 31), QTime(0, 5, 0)))
                    .contains(u"\r\n<!-- created on: 12/31/1999 12:05:00 AM -->\r\n"));
    EXPECT_TRUE(AppletPage(p, QDateTime(QDate(2004, 1, 2), QTime(12, 0, 7)))
                    .contains(u"\r\n<!-- created on: 1/2/2004 12:00:07 PM -->\r\n"));
}

TEST(PageWriters, AThousandSlidesReachEveryList) {
    QStringList paths;
    for (int k = 1; k <= 1000; ++k)
        paths << QStringLiteral("/pics/p%1.%2").arg(k).arg(k % 2 ? "JPG" : "gif");
    const SlideShowProject p = MakeShow(paths, Background::PicturePerSlide);
    ASSERT_EQ(p.SlideCount(), 1000);

    const QString catalog = CatalogPage(p);
    EXPECT_EQ(catalog.count(u"<A HREF=\"javascript:newWindow('pic"), 1000);
    EXPECT_TRUE(catalog.contains(u"ALT=\"Picture #1000\""));
    EXPECT_EQ(ThumbPage(p).count(u" TARGET=whopics><IMG SRC=\"pic"), 1000);

    const QString applet = AppletPage(p, QDateTime(QDate(2024, 3, 5), QTime(10, 0)));
    EXPECT_EQ(applet.count(u"<PARAM name=\"image"), 1000);
    EXPECT_TRUE(applet.contains(u"<PARAM name=\"image999\" value=\"pic1000.gif\">\r\n</APPLET>"));

    const QString script = AllCode(p);
    EXPECT_TRUE(script.contains(u"    \"pic999.jpg\",\r\n    \"pic1000.gif\"\r\n);"));
    EXPECT_TRUE(script.contains(u"    \"Slide 1000\"\r\n);"));
}

// Where a thumbnail was written the strips and the catalog show it and still
// open the full picture; elsewhere they show the picture itself. The
// frame's first view is the full picture.
TEST(PageWriters, CatalogAndStripShowThumbnailsOnlyWhereWritten) {
    SlideShowProject p = MakeShow({"/pics/a.JPG", "/pics/b.gif"}, Background::OneColor);
    const QString catalogBefore = CatalogPage(p);
    const QString stripBefore = ThumbPage(p);
    EXPECT_FALSE(catalogBefore.contains(u"thumbs/"));
    EXPECT_FALSE(stripBefore.contains(u"thumbs/"));

    p.settings.PictureSizes = true;
    EXPECT_EQ(CatalogPage(p), catalogBefore) << "none written";
    p.names.pix.thumbSizes = {{240, 180}, {240, 160}};
    const QString catalog = CatalogPage(p);
    EXPECT_TRUE(catalog.contains(u"<A HREF=\"javascript:newWindow('pic2.gif')\"><IMG "
                                 u"SRC=\"thumbs/pic2.jpg\"\r\n"));
    EXPECT_EQ(catalog.count(u"SRC=\"thumbs/pic"), 2);
    const QString strip = ThumbPage(p);
    EXPECT_TRUE(
        strip.contains(u"<A HREF=\"pic1.jpg\" TARGET=whopics><IMG SRC=\"thumbs/pic1.jpg\"\r\n"));
    EXPECT_EQ(strip.count(u"SRC=\"thumbs/pic"), 2);
    // Only the picture names differ.
    EXPECT_EQ(QString(catalog)
                  .replace(QStringLiteral("thumbs/pic2.jpg"), QStringLiteral("pic2.gif"))
                  .replace(QStringLiteral("thumbs/pic1.jpg"), QStringLiteral("pic1.jpg")),
              catalogBefore);
    EXPECT_TRUE(FramePages(p).left.contains(u"SRC=\"pic1.jpg\""));
}

// Western text is Windows-1252; anything outside it (a C1 control that
// Windows-1252 gives another character, a character outside the basic plane)
// makes the page UTF-8 with a byte order mark, so none is lost. Every page
// ends in one CR LF.
TEST(PageFile, WesternTextIsWindows1252AndTheRestUtf8WithBom) {
    const struct {
        QString text;
        QByteArray bytes;
    } cases[] = {
        {QString::fromUtf8(
             "<P>Caf\u00e9 \u20ac5 \u201cq\u201d \u2013 \u0152uvre \u00ff</P>\r\nend"),
         "<P>Caf\xE9 \x80"
         "5 \x93q\x94 \x96 \x8Cuvre \xFF</P>\r\nend\r\n"},
        {QString(), "\r\n"},
        {QString::fromUtf8("caf\u00e9 \u0080"), "\xEF\xBB\xBF"
                                                "caf\xC3\xA9 \xC2\x80\r\n"},
        {QString::fromUtf8("sun \U0001F31E"), "\xEF\xBB\xBFsun \xF0\x9F\x8C\x9E\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EncodePageText(c.text), c.bytes) << c.text.toStdString();
}

TEST(PageText, EscapingForEachContext) {
    const struct {
        QString (*escape)(const QString&);
        const char* name;
        QString in;
        QString out;
    } cases[] = {
        {HtmlText, "html", "Tom & <b>Jerry</b> \"'", "Tom &amp; &lt;b&gt;Jerry&lt;/b&gt; \"'"},
        {AttributeText, "attribute", "a.jpg\" onerror='x' <&>",
         "a.jpg&quot; onerror=&#39;x&#39; "
         "&lt;&amp;>"},
        {ScriptStringText, "script", QStringLiteral("\\ \" ' </script> \r\n \u2028 \u2029 <!--"),
         "\\\\ \\\" \\' \\x3C/script> \\r\\n \\u2028 \\u2029 \\x3C!--"},
        {ClassicCaption, "caption", "say \"cheese\" & 'smile'", "say 'cheese' & 'smile'"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.escape(c.in), c.out) << c.name;
    // Text without those characters passes unchanged, so the pages of such
    // shows stay byte for byte.
    const QString plain = QStringLiteral("Caf\u00e9 #1, 100% (x=y) {ok} \u00bb");
    for (const auto& c : cases)
        EXPECT_EQ(c.escape(plain), plain) << c.name;
}

// A show whose title, captions and file names hold markup and quotes: no
// classic page carries any of it as markup or script.
TEST(PageWriters, HostileShowTextStaysText) {
    SlideShowProject p = MakeShow(QStringList{"/pics/a.jpg\" onerror=\"alert(1)",
                                              "/pics/b.gif' onload='alert(2)", "/pics/c.j<x>pg"},
                                  Background::OnePicture);
    p.slide(1).Caption = "<img src=x onerror=alert(3)> <!--";
    p.slot(0).BkPicture = "/pics/back.gif\"><b onclick=alert(4)>";
    p.settings.SongPath = "/music/song.mp3\" onerror=\"alert(5)";
    p.settings.TitleMessage = "<script>document.title='X'</script>";
    p.settings.OpenPgBkPic = "/pics/o'pen.gif";
    p.names.FirstPageName = "trip & <co>";
    // The copies' names come from their content, but the opening picture
    // keeps its own: the pages escape every name as if any could hold markup.
    PixFiles& pix = p.names.pix;
    pix.pictures[0] = "pic1.jpg\" onerror=\"alert(1)";
    pix.pictures[1] = "pic2.gif' onload='alert(2)";
    pix.pictures[2] = "pic3.j<x>pg";
    pix.sharedBackground = "bgimg.gif\"><b onclick=alert(4)>";
    pix.song = "thesong.mp3\" onerror=\"alert(5)";
    pix.openingPicture = "o'pen.gif";
    const QDateTime now(QDate(2024, 3, 5), QTime(10, 0));
    const FramePageTexts frames = FramePages(p);
    const struct {
        const char* name;
        QString text;
    } pages[] = {
        {"slideshw.htm", PageHead(p, now) + SlidePage(p, true, true)},
        {"ssbnoc.htm", SlidePage(p, true, false)},
        {"ssnobnoc.htm", KeyboardSlidePage(p)},
        {"netscape.htm", NetscapePage(p)},
        {"appletss.htm", AppletPage(p, now)},
        {"catalog.htm", CatalogPage(p)},
        {"thumbpic.htm", ThumbPage(p)},
        {"frmleft.htm", frames.left},
        {"frmright.htm", frames.right},
        {"title page", TitlePageText(p)},
    };
    for (const auto& page : pages) {
        for (const char* raw : {"\" onerror=", "' onload=", "<img src=x", "<script>alert",
                                "<script>document", "<co>", "<x>", "o'pen"})
            EXPECT_FALSE(page.text.contains(QLatin1String(raw))) << page.name << ": " << raw;
    }
    EXPECT_TRUE(pages[0].text.contains(u"<DIV ID=\"text\"align=\"middle\">&lt;img src=x "
                                       u"onerror=alert(3)&gt; &lt;!--</DIV>"));
    EXPECT_TRUE(pages[0].text.contains(u"<TITLE>trip &amp; &lt;co&gt;</TITLE>"));
    EXPECT_TRUE(pages[0].text.contains(u"src=\"pic1.jpg&quot; onerror=&quot;alert(1)\""));
    EXPECT_TRUE(pages[5].text.contains(u"<A HREF=\"javascript:newWindow('pic2.gif\\&#39; "
                                       u"onload=\\&#39;alert(2)')\">"));
    EXPECT_TRUE(pages[9].text.contains(
        u"<H3><center>&lt;script&gt;document.title='X'&lt;/script&gt;</CENTER></H3>"));
    EXPECT_TRUE(pages[4].text.contains(u"SIZE=\"7\">&lt;script&gt;document.title='X'"
                                       u"&lt;/script&gt;</FONT>"));
    EXPECT_TRUE(pages[9].text.contains(u"<BODY BACKGROUND=\"pix/o&#39;pen.gif\""));
    // In the script library every such text is a string and nothing more.
    const QString script = AllCode(p);
    for (const char* escaped :
         {"\"pic1.jpg\\\" onerror=\\\"alert(1)\"", "\"pic2.gif\\' onload=\\'alert(2)\"",
          "\"\\x3Cimg src=x onerror=alert(3)> \\x3C!--\"",
          "\"bgimg.gif\\\">\\x3Cb onclick=alert(4)>\""})
        EXPECT_TRUE(script.contains(QLatin1String(escaped))) << escaped;
}
