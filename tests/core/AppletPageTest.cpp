#include "compiler/AppletPage.h"
#include "ShowPageFixture.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {
using Page = std::vector<std::string>;

struct AppletPageTest : ShowPageFixture {
    AppletPageTest() {
        addPictures({QStringLiteral("/pics/x.JPG"), QStringLiteral("/pics/y.gif"),
                     QStringLiteral("/pics/z.jpeg")});
        p.settings.TitleMessage = QStringLiteral("Summer & <b>sun</b>");
        // Neither colours nor the delay reach this page.
        p.settings.NumSecDelay = 42;
        p.slot(0).PicBackColor = QStringLiteral("&H123456");
    }
};

const Page kFixedParameters{
    R"(<PARAM name="userinterface" value="standardui">)",
    R"(<PARAM name="standardui.maincolor" value="E0E0E0">)",
    R"(<PARAM name="standardui.usepausebutton" value="no">)",
    R"(<PARAM name="standardui.innerborderwidth" value="2">)",
    R"(<PARAM name="standardui.middleborderwidth" value="12">)",
    R"(<PARAM name="standardui.outerborderwidth" value="4">)",
    R"(<PARAM name="transtime" value="8000">)",
    R"(<PARAM name="timeout" value="120000">)",
    R"(<PARAM name="pause" value="2000">)",
    R"(<PARAM name="minframenr" value="150">)",
    R"(<PARAM name="bgcolor" value="000000">)",
    R"(<PARAM name="fxmod0" value="brushfxmod">)",
    R"(<PARAM name="fxmod1" value="zoomfxmod">)",
    R"(<PARAM name="fxmod2" value="blackholefxmod">)",
    R"(<PARAM name="fxmod3" value="unseenwindsfxmod">)",
    R"(<PARAM name="fxmod4" value="origamifxmod">)",
    R"(<PARAM name="fxmod5" value="liquidfxmod">)",
};

// The lines after the head's closing tag.
Page Body(const Page& page) {
    const auto end = std::find(page.begin(), page.end(), "</HEAD>");
    return end == page.end() ? Page{} : Page(end + 1, page.end());
}
} // namespace

TEST_F(AppletPageTest, PageIsWrittenInFull) {
    p.settings.SongPath = QStringLiteral("/music/Tune.MID");
    Page expected{
        "<HTML>",
        "<HEAD>",
        "<TITLE>myshow</TITLE>",
        R"(<META NAME="keywords" CONTENT="pictures, slides, slide show">)",
        R"(<META NAME="generator" CONTENT="Pevrano Slide Show">)",
        R"(<META NAME="copyright" CONTENT="Copyright (c) Pevrano. All rights reserved.">)",
        "<!-- created on: 3/5/2024 2:07:09 PM -->",
        "<!-- home page: http://www.pevrano.example/ -->",
        "<!-- contact: slideshow@pevrano.example -->",
        "",
        R"(<STYLE type = "text/css">)",
        "<!--",
        "BODY { ",
        "scrollbar-face-color: #000000;",
        "scrollbar-highlight-color: #000000;",
        "scrollbar-3dlight-color: #555555;",
        "scrollbar-darkshadow-color: #000000;",
        "scrollbar-shadow-color: #000000;",
        "scrollbar-arrow-color: #FFFFFF;",
        "scrollbar-track-color: #000000;",
        " }",
        "IMG {",
        "border-width: 5pt;",
        "border-style: inset;",
        "border-color: #000000;",
        "}",
        "-->",
        "</STYLE>",
        "",
        R"(<script language = "JavaScript">)",
        "function asktoclose() {",
        "    var quit = false;",
        R"~(    quit = confirm("Are you sure you want to quit?");)~",
        "    if(quit==true)",
        "        window.close();",
        "   }",
        "</script>",
        "</HEAD>",
        "<BODY>",
        R"~(<BODY BGCOLOR="BLACK" onClick="asktoclose()">)~",
        R"(<BGSOUND SRC="thesong.mid" LOOP=-1>)",
        "<CENTER>",
        R"(<FONT COLOR="#00FFDD" FACE="Cosmic Sans MS" SIZE="7">Summer & <b>sun</b></FONT>)",
        "</CENTER>",
        "<CENTER>",
        R"(<APPLET CODE="photoalbum.class" ARCHIVE="photo.jar" WIDTH=550 HEIGHT=450>)",
    };
    expected.insert(expected.end(), kFixedParameters.begin(), kFixedParameters.end());
    expected.insert(expected.end(), {
                                        R"(<PARAM name="image0" value="pic1.jpg">)",
                                        R"(<PARAM name="image1" value="pic2.gif">)",
                                        R"(<PARAM name="image2" value="pic3.jpeg">)",
                                        "</APPLET>",
                                        "</CENTER>",
                                        "</BODY>",
                                        "</HTML>",
                                    });
    EXPECT_EQ(Lines(AppletPage(p, createdOn)), expected);
}

TEST_F(AppletPageTest, NoSongLeavesAnEmptyLineAfterTheSecondBodyTag) {
    const Page body = Body(Lines(AppletPage(p, createdOn)));
    ASSERT_GE(body.size(), 4u);
    EXPECT_EQ(body.at(0), "<BODY>");
    EXPECT_EQ(body.at(1), R"~(<BODY BGCOLOR="BLACK" onClick="asktoclose()">)~");
    EXPECT_EQ(body.at(2), "");
    EXPECT_EQ(body.at(3), "<CENTER>");
}

TEST_F(AppletPageTest, HeadingShowsTheTitleMessage) {
    p.settings.TitleMessage = QStringLiteral("Welcome to Ann's party");
    const Page body = Body(Lines(AppletPage(p, createdOn)));
    ASSERT_GE(body.size(), 5u);
    EXPECT_EQ(body.at(4), R"(<FONT COLOR="#00FFDD" FACE="Cosmic Sans MS" SIZE="7">)"
                          R"(Welcome to Ann's party</FONT>)");
}

TEST_F(AppletPageTest, OneImageParameterPerSlideUpToAThousand) {
    SlideShowProject big;
    big.GrowSlots();
    big.names.FirstPageName = QStringLiteral("big");
    for (int k = 1; k <= SlideShowProject::kMaxSlides; ++k)
        big.AppendPicture(QStringLiteral("/pics/p%1.%2").arg(k).arg(k % 2 ? "JPG" : "Gif"));
    ASSERT_EQ(big.SlideCount(), 1000);

    const Page page = Lines(AppletPage(big, createdOn));
    const auto applet =
        std::find(page.begin(), page.end(),
                  R"(<APPLET CODE="photoalbum.class" ARCHIVE="photo.jar" WIDTH=550 HEIGHT=450>)");
    ASSERT_NE(applet, page.end());
    ASSERT_GE(page.end() - applet, 1 + 17 + 1000 + 1);
    const Page params(applet + 1, applet + 1 + 17 + 1000);
    EXPECT_EQ(Page(params.begin(), params.begin() + 17), kFixedParameters);
    EXPECT_EQ(params.at(17), R"(<PARAM name="image0" value="pic1.jpg">)");
    EXPECT_EQ(params.at(18), R"(<PARAM name="image1" value="pic2.gif">)");
    EXPECT_EQ(params.at(17 + 998), R"(<PARAM name="image998" value="pic999.jpg">)");
    EXPECT_EQ(params.at(17 + 999), R"(<PARAM name="image999" value="pic1000.gif">)");
    EXPECT_EQ(*(applet + 1 + 17 + 1000), "</APPLET>");
}
