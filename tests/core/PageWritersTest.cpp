// Rules of the page writers that the compiled-show snapshots do not reach:
// the opening-page message prompt, the 12-hour clock at midnight, and a show
// of a thousand slides.
#include "ScriptShows.h"
#include "ScriptedPrompter.h"
#include "compiler/AppletPage.h"
#include "compiler/CatalogPages.h"
#include "compiler/ScriptLibrary.h"
#include "compiler/SlidePages.h"
#include "compiler/TitlePage.h"
#include "core/PrintQt.h"

#include <gtest/gtest.h>

TEST(TitlePage, EmptyOrCancelledAnswersAskAgain) {
    SlideShowProject p = MakeShow(3, Background::OneColor);
    p.settings.TitleMessage = "message of the last compile";
    ScriptedPrompter ui;
    ui.queueInput(QString());
    ui.queueInput(std::nullopt);
    ui.queueInput(QStringLiteral("Spring 2004"));
    const QString page = TitlePage(p, ui);

    EXPECT_EQ(p.settings.TitleMessage, "Spring 2004");
    EXPECT_TRUE(page.contains(u"<TITLE>Spring 2004</TITLE>"));
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
    EXPECT_TRUE(catalog.contains(u"<A HREF=\"javascript:newWindow('pic1000.gif')\"><IMG "
                                 u"SRC=\"pic1000.gif\"\r\n ALT=\"Picture #1000\" HEIGHT"));
    const QString thumbs = ThumbPage(p);
    EXPECT_EQ(thumbs.count(u" TARGET=whopics><IMG SRC=\"pic"), 1000);
    EXPECT_TRUE(thumbs.contains(u"<A HREF=\"pic999.jpg\" TARGET=whopics>"));

    const QString applet = AppletPage(p, QDateTime(QDate(2024, 3, 5), QTime(10, 0)));
    EXPECT_EQ(applet.count(u"<PARAM name=\"image"), 1000);
    EXPECT_TRUE(applet.contains(u"<PARAM name=\"image999\" value=\"pic1000.gif\">\r\n</APPLET>"));

    const QString script = AllCode(p);
    EXPECT_TRUE(script.contains(u"    \"pic999.jpg\",\r\n    \"pic1000.gif\"\r\n);"));
    EXPECT_TRUE(script.contains(u"    \"bkimg999.gif\",\r\n    \"bkimg1000.gif\"\r\n);"));
    EXPECT_TRUE(script.contains(u"    \"Slide 1000\"\r\n);"));
}
