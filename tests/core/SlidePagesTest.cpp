#include "compiler/SlidePages.h"
#include "ShowPageFixture.h"

#include <gtest/gtest.h>

namespace {
using Page = std::vector<std::string>;

struct SlidePages : ShowPageFixture {
    SlidePages() {
        addPictures({QStringLiteral("/pics/x.JPG"), QStringLiteral("/pics/y.gif"),
                     QStringLiteral("/pics/z.jpeg")});
        p.slot(0).Caption = QStringLiteral("Tom & Jerry's <b>best</b> > rest");
        p.slot(0).PicBackColor = QStringLiteral("&H0500FF");
        p.settings.CaptionFrameColor = RgbColor(0xCC, 0x99, 0xFF);
        p.settings.ButtonColors = {RgbColor(0x10, 0x20, 0x30), RgbColor(0x40, 0x50, 0x60),
                                   RgbColor(0x70, 0x80, 0x90), RgbColor(0xA0, 0xB0, 0xC0),
                                   RgbColor(0xD0, 0xE0, 0xF0)};
        p.settings.AmountOfSlidesFFRev = 7;
        p.settings.SongPath = QStringLiteral("/music/Tune.MID");
    }
};

bool HasLineContaining(const Page& page, const std::string& text) {
    for (const std::string& line : page)
        if (line.find(text) != std::string::npos)
            return true;
    return false;
}
} // namespace

TEST_F(SlidePages, HeadIsWrittenInFull) {
    p.names.FirstPageName = QStringLiteral("Our <i>trip</i> & more");
    const Page expected{
        "<HTML>",
        "<HEAD>",
        "<TITLE>Our <i>trip</i> & more</TITLE>",
        R"(<META NAME="keywords" CONTENT="pictures, slides, slide show">)",
        R"(<META NAME="generator" CONTENT="Pevrano Slide Show">)",
        R"(<META NAME="copyright" CONTENT="Copyright (c) Pevrano. All rights reserved.">)",
        "<!-- created on: 3/5/2024 2:07:09 PM -->",
        "<!-- contact: slideshow@pevrano.example -->",
        "<!-- home page: http://www.pevrano.example/ -->",
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
        R"(<script language = "JavaScript" src="allcode.js">)",
        "</script>",
        "</HEAD>",
    };
    EXPECT_EQ(Lines(PageHead(p, createdOn)), expected);
}

TEST_F(SlidePages, CreatedOnCommentTakesTheGivenMoment) {
    const Page head = Lines(PageHead(p, QDateTime(QDate(1999, 12, 31), QTime(0, 5, 0))));
    EXPECT_EQ(head.at(6), "<!-- created on: 12/31/1999 12:05:00 AM -->");
}

TEST_F(SlidePages, ButtonsAndCaptionsPageIsWrittenInFull) {
    const Page expected{
        R"~(<BODY BGCOLOR="#FF0005" text color="#000000" onload="hasbutscaps(true,true),startdisplay(),changedisplay(0)">)~",
        R"(<BGSOUND SRC="thesong.mid" LOOP=-1>)",
        "<CENTER>",
        R"(<FORM NAME="form1">)",
        R"(<table width="100%" border="3"> <tr bgcolor="#CC99FF">)",
        R"(<td width="1%" ALIGN=LEFT VALIGN=MIDDLE><H7><br></H7></td>)",
        R"(<td width="98%" ALIGN=LEFT VALIGN=TOP>)",
        R"(<DIV ID="text"align="middle">Tom & Jerry's <b>best</b> > rest</DIV>)",
        "</td>",
        R"(<td width="1%" ALIGN=LEFT VALIGN=MIDDLE></td>)",
        "</tr>",
        "</table>",
        R"~(<img id="docimage" src="pic1.jpg" onClick="asktoclose()")~",
        R"~(style="filter:progid:DXImageTransform.Microsoft.Fade(Duration=3)">)~",
        "",
        R"(<table width="100%" border="5">)",
        R"(<tr bgcolor="#000000">)",
        R"~(<td width="20%" bgcolor="#D0E0F0" align="center"><b><INPUT TYPE= "button" title="Back 1 Slide" value="  Back   " NAME="bb" onclick="checkIt(-1),picnum()"></b></td>)~",
        R"~(<td width="20%" bgcolor="#A0B0C0" align="center"><b><INPUT TYPE="button" title="Back 7 Slides" value="  <<   " onclick="checkIt(-7),picnum()"></td>)~",
        R"~(<td width="20%" bgcolor="#708090" align="center"><b><INPUT TYPE="button" title="Movie Mode -Run/Stop-" NAME="aut" VALUE="Auto Run" onclick="togglebuttons()"></b></td>)~",
        R"~(<td width="20%" bgcolor="#405060" align="center"><b><INPUT TYPE="button" title="Advance 7 Slides" VALUE="  >>   " onclick="checkIt(7),picnum()"></b></td>)~",
        R"~(<td width="20%" bgcolor="#102030" align="center"><b><INPUT TYPE="button" title="Advance 1 Slide" VALUE="  Forward   " NAME="ff" onclick="checkIt(1),picnum()"></b></td>)~",
        "</tr>",
        "</table>",
        "</FORM>",
        "</CENTER>",
        "</BODY>",
        "</HTML>",
    };
    EXPECT_EQ(Lines(SlidePage(p, true, true)), expected);
}

TEST_F(SlidePages, ButtonsOnlyPageHasNoCaptionBox) {
    p.settings.SongPath.clear();
    const Page page = Lines(SlidePage(p, true, false));
    EXPECT_TRUE(page.at(0).starts_with(R"(<BODY BGCOLOR="#FF0005" text color="#000000" )"
                                       R"(onload="hasbutscaps(true,false))"))
        << page.at(0);
    EXPECT_EQ(page.at(1), "");
    EXPECT_FALSE(HasLineContaining(page, "\"text\""));
    EXPECT_FALSE(HasLineContaining(page, "Tom & Jerry"));
    // The picture follows the form directly.
    EXPECT_EQ(page.at(3), R"(<FORM NAME="form1">)");
    EXPECT_EQ(page.at(4), R"~(<img id="docimage" src="pic1.jpg" onClick="asktoclose()")~");
    EXPECT_EQ(page.size(), 20u);
}

TEST_F(SlidePages, StepButtonsFollowTheSkipAmount) {
    p.settings.AmountOfSlidesFFRev = 3;
    const Page page = Lines(SlidePage(p, true, true));
    EXPECT_TRUE(HasLineContaining(
        page, R"~(title="Back 3 Slides" value="  <<   " onclick="checkIt(-3),picnum()"></td>)~"));
    EXPECT_TRUE(HasLineContaining(
        page, R"~(title="Advance 3 Slides" VALUE="  >>   " onclick="checkIt(3),picnum()">)~"));

    p.settings.AmountOfSlidesFFRev = 12;
    const Page net = Lines(NetscapePage(p));
    EXPECT_TRUE(HasLineContaining(net,
                                  R"~(title="Back 12 Slides" value="  <<   " )~"
                                  R"~(onclick="checkIt(-12),picnum(),resetnetscapebutton()")~"));
    EXPECT_TRUE(HasLineContaining(net,
                                  R"~(title="Advance 12 Slides" VALUE="  >>   " )~"
                                  R"~(onclick="checkIt(12),picnum(),resetnetscapebutton()")~"));
}

TEST_F(SlidePages, SongSourceTakesTheLowerCasedExtension) {
    p.settings.SongPath = QStringLiteral("C:\\Music\\Loud.Song.WAV");
    EXPECT_EQ(Lines(SlidePage(p, true, false)).at(1), R"(<BGSOUND SRC="thesong.wav" LOOP=-1>)");
    EXPECT_EQ(Lines(KeyboardSlidePage(p)).at(1), R"(<BGSOUND SRC="thesong.wav" LOOP=-1>)");
    EXPECT_EQ(Lines(NetscapePage(p)).at(1),
              R"(<embed src="thesong.wav" hidden="true" autostart="true" loop="true">)");
}

TEST_F(SlidePages, KeyboardPageIsWrittenInFullWithoutSong) {
    p.settings.SongPath.clear();
    const Page expected{
        R"~(<BODY BGCOLOR="#FF0005" text color="#000000" onload="hasbutscaps(false,false),startdisplay(), changedisplay(0),help()">)~",
        "",
        "<BR><BR>",
        "<CENTER>",
        R"(<FORM NAME="form1">)",
        R"~(<img id="docimage" src="pic1.jpg" onClick="asktoclose()")~",
        R"~(style="filter:progid:DXImageTransform.Microsoft.Fade(Duration=3)">)~",
        "",
        R"(<DIV STYLE="position: relative; top: 2000; right: 2000;">)",
        R"~(<INPUT TYPE=BUTTON NAME="bb" onkeydown="keycheck()">)~",
        "</DIV>",
        "</FORM>",
        "</CENTER>",
        "</BODY>",
        "</HTML>",
    };
    EXPECT_EQ(Lines(KeyboardSlidePage(p)), expected);
}

TEST_F(SlidePages, NetscapePageIsWrittenInFull) {
    p.slot(0).PicturePath = QStringLiteral("/pics/first.GIF");
    const Page expected{
        R"~(<BODY BGCOLOR="#FF0005" text color="#000000" onload="hasbutscaps(true,false),startdisplay(),changedisplay(0)">)~",
        R"(<embed src="thesong.mid" hidden="true" autostart="true" loop="true">)",
        "</embed>",
        "<center>",
        R"~(<img name="docimage" src="pic1.gif" onClick="asktoclose()">)~",
        "</center>",
        "<center>",
        R"(<form name="net">)",
        R"(<table width="100%" border="5" bgcolor="#000000">)",
        "<tr>",
        R"~(<td width="20%" bgcolor="#D0E0F0" align="center"><b><INPUT TYPE= "button" title="Back 1 Slide" value="    Back     " NAME="bb" onclick="checkIt(-1),picnum(),resetnetscapebutton()"></b></td>)~",
        R"~(<td width="20%" bgcolor="#A0B0C0" align="center"><b><INPUT TYPE="button" title="Back 7 Slides" value="  <<   " onclick="checkIt(-7),picnum(),resetnetscapebutton()"></td>)~",
        R"~(<td width="20%" bgcolor="#708090" align="center"><b><INPUT TYPE="button" title="Movie Mode -Run/Stop-" NAME="aut" VALUE=" Auto Run " onclick="autorun()"></b></td>)~",
        R"~(<td width="20%" bgcolor="#405060" align="center"><b><INPUT TYPE="button" title="Advance 7 Slides" VALUE="  >>   " onclick="checkIt(7),picnum(),resetnetscapebutton()"></b></td>)~",
        R"~(<td width="20%" bgcolor="#102030" align="center"><b><INPUT TYPE="button" title="Advance 1 Slide" VALUE="    Forward     " NAME="ff" onclick="checkIt(1),picnum(),resetnetscapebutton()"></b></td>)~",
        "</tr>",
        "</table>",
        "</form>",
        "</CENTER>",
        "</BODY>",
        "</HTML>",
    };
    EXPECT_EQ(Lines(NetscapePage(p)), expected);
}

TEST_F(SlidePages, NetscapePageNamesAnMp3SongEvenWithoutOne) {
    p.settings.SongPath.clear();
    const Page page = Lines(NetscapePage(p));
    EXPECT_EQ(page.at(1),
              R"(<embed src="thesong.mp3" hidden="true" autostart="true" loop="true">)");
    EXPECT_EQ(page.at(2), "</embed>");
    EXPECT_FALSE(HasLineContaining(page, "BGSOUND"));
}

TEST_F(SlidePages, ColoursComeFromTheProject) {
    p.slot(0).PicBackColor = QStringLiteral("&H00FF80");
    p.settings.CaptionFrameColor = RgbColor(0x01, 0x02, 0x03);
    p.settings.ButtonColors = {RgbColor(0xFF, 0, 0), RgbColor(0, 0xFF, 0), RgbColor(0, 0, 0xFF),
                               RgbColor(0xAB, 0xCD, 0xEF), RgbColor(0x0F, 0, 0)};
    const Page page = Lines(SlidePage(p, true, true));
    EXPECT_TRUE(page.at(0).starts_with(R"(<BODY BGCOLOR="#80FF00" )")) << page.at(0);
    EXPECT_EQ(page.at(4), R"(<table width="100%" border="3"> <tr bgcolor="#010203">)");
    const std::string cellStart = R"(<td width="20%" bgcolor=")";
    const char* const cellColours[] = {"#0F0000", "#ABCDEF", "#0000FF", "#00FF00", "#FF0000"};
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(page.at(17 + i).starts_with(cellStart + cellColours[i] + "\""))
            << page.at(17 + i);
    // The colour flag of the project is neither read nor cleared.
    p.flags.HexInBgrOrder = true;
    EXPECT_EQ(Lines(SlidePage(p, true, true)).at(4),
              R"(<table width="100%" border="3"> <tr bgcolor="#010203">)");
    EXPECT_TRUE(p.flags.HexInBgrOrder);
}
