#include "ScriptShows.h"
#include "compiler/ScriptLibrary.h"

#include <gtest/gtest.h>

namespace {
// The random transition table, line for line.
const char* const kTableLines[] = {
    R"x( x[0] = {"q":"progid:DXImageTransform.Microsoft.RandomDissolve()"};)x",
    R"x( x[1] = {"q":"progid:DXImageTransform.Microsoft.Iris(irisStyle=circle, motion=in, duration=3)"};)x",
    R"x( x[2] = {"q":"progid:DXImageTransform.Microsoft.Iris(irisStyle=circle, motion=out, duration=3)"};)x",
    R"x( x[3] = {"q":"progid:DXImageTransform.Microsoft.Iris(irisStyle=cross, motion=in, duration=3)"};)x",
    R"x( x[4] = {"q":"progid:DXImageTransform.Microsoft.Iris(irisStyle=cross, motion=out, duration=3)"};)x",
    R"x( x[5] = {"q":"progid:DXImageTransform.Microsoft.Iris(irisStyle=plus, motion=in, duration=3)"};)x",
    R"x( x[6] = {"q":"progid:DXImageTransform.Microsoft.Iris(irisStyle=plus, motion=out, duration=3)"};)x",
    R"x( x[7] = {"q":"progid:DXImageTransform.Microsoft.Iris(irisStyle=square, motion=in, duration=3)"};)x",
    R"x( x[8] = {"q":"progid:DXImageTransform.Microsoft.Iris(irisStyle=square, motion=out, duration=3)"};)x",
    R"x( x[9] = {"q":"progid:DXImageTransform.Microsoft.Iris(irisStyle=star, motion=in, duration=3)"};)x",
    R"x( x[10] = {"q":"progid:DXImageTransform.Microsoft.Iris(irisStyle=star, motion=out, duration=3)"};)x",
    R"x( x[11] = {"q":"progid:DXImageTransform.Microsoft.Wipe(GradientSize=.30, wipeStyle=0, motion=forward, duration=3)"};)x",
    R"x( x[12] = {"q":"progid:DXImageTransform.Microsoft.Wipe(GradientSize=.30, wipeStyle=0, motion=reverse, duration=3)"};)x",
    R"x( x[13] = {"q":"progid:DXImageTransform.Microsoft.Wipe(GradientSize=.30, wipeStyle=1, motion=forward, duration=3)"};)x",
    R"x( x[14] = {"q":"progid:DXImageTransform.Microsoft.Wipe(GradientSize=.30, wipeStyle=1, motion=reverse, duration=3)"};)x",
    R"x( x[15] = {"q":"progid:DXImageTransform.Microsoft.Fade(duration=3, overlap=1, center=0)"};)x",
    R"x( x[16] = {"q":"progid:DXImageTransform.Microsoft.Barn(orientation=horizontal, motion=out)"};)x",
    R"x( x[17] = {"q":"progid:DXImageTransform.Microsoft.Barn(orientation=horizontal, motion=in)"};)x",
    R"x( x[18] = {"q":"progid:DXImageTransform.Microsoft.Barn(orientation=vertical, motion=out)"};)x",
    R"x( x[19] = {"q":"progid:DXImageTransform.Microsoft.Barn(orientation=vertical, motion=in)"};)x",
    R"x( x[20] = {"q":"progid:DXImageTransform.Microsoft.Blinds(bands=8,direction='RIGHT')"};)x",
    R"x( x[21] = {"q":"progid:DXImageTransform.Microsoft.Blinds(bands=8,direction='LEFT')"};)x",
    R"x( x[22] = {"q":"progid:DXImageTransform.Microsoft.Blinds(bands=8,direction='UP')"};)x",
    R"x( x[23] = {"q":"progid:DXImageTransform.Microsoft.Blinds(bands=8,direction='DOWN')"};)x",
    R"x( x[24] = {"q":"progid:DXImageTransform.Microsoft.Checkerboard(squaresX=12,squaresY=8,direction='RIGHT',duration=3)"};)x",
    R"x( x[25] = {"q":"progid:DXImageTransform.Microsoft.Checkerboard(squaresX=12,squaresY=8,direction='LEFT',duration=3)"};)x",
    R"x( x[26] = {"q":"progid:DXImageTransform.Microsoft.Checkerboard(squaresX=12,squaresY=8,direction='UP',duration=3)"};)x",
    R"x( x[27] = {"q":"progid:DXImageTransform.Microsoft.Checkerboard(squaresX=12,squaresY=8,direction='DOWN',duration=3)"};)x",
    R"x( x[28] = {"q":"progid:DXImageTransform.Microsoft.Inset( )"};)x",
    R"x( x[29] = {"q":"progid:DXImageTransform.Microsoft.Pixelate(MaxSquare=5,Duration=3,Enabled=false)"};)x",
    R"x( x[30] = {"q":"progid:DXImageTransform.Microsoft.RadialWipe(wipeStyle='clock')"};)x",
    R"x( x[31] = {"q":"progid:DXImageTransform.Microsoft.RadialWipe(wipeStyle='wedge')"};)x",
    R"x( x[32] = {"q":"progid:DXImageTransform.Microsoft.RadialWipe(wipeStyle='radial')"};)x",
    R"x( x[33] = {"q":"progid:DXImageTransform.Microsoft.RandomBars(orientation='horizontal')"};)x",
    R"x( x[34] = {"q":"progid:DXImageTransform.Microsoft.RandomBars(orientation='vertical')"};)x",
    R"x( x[35] = {"q":"progid:DXImageTransform.Microsoft.Slide(slideStyle='HIDE', bands=1)"};)x",
    R"x( x[36] = {"q":"progid:DXImageTransform.Microsoft.Slide(slideStyle='PUSH', bands=1)"};)x",
    R"x( x[37] = {"q":"progid:DXImageTransform.Microsoft.Slide(slideStyle='SWAP', bands=1)"};)x",
    R"x( x[38] = {"q":"progid:DXImageTransform.Microsoft.Slide(slideStyle='HIDE', bands=7)"};)x",
    R"x( x[39] = {"q":"progid:DXImageTransform.Microsoft.Slide(slideStyle='PUSH', bands=7)"};)x",
    R"x( x[40] = {"q":"progid:DXImageTransform.Microsoft.Slide(slideStyle='SWAP', bands=7)"};)x",
    R"x( x[41] = {"q":"progid:DXImageTransform.Microsoft.Spiral(GridSizeX=8, GridSizeY=8)"};)x",
    R"x( x[42] = {"q":"progid:DXImageTransform.Microsoft.Spiral(GridSizeX=64, GridSizeY=64)"};)x",
    R"x( x[43] = {"q":"progid:DXImageTransform.Microsoft.Stretch(stretchStyle='hide')"};)x",
    R"x( x[44] = {"q":"progid:DXImageTransform.Microsoft.Stretch(stretchStyle='spin')"};)x",
    R"x( x[45] = {"q":"progid:DXImageTransform.Microsoft.Stretch(stretchStyle='push')"};)x",
    R"x( x[46] = {"q":"progid:DXImageTransform.Microsoft.Strips(Duration=3, Motion='leftdown')"};)x",
    R"x( x[47] = {"q":"progid:DXImageTransform.Microsoft.Strips(Duration=3, Motion='leftup')"};)x",
    R"x( x[48] = {"q":"progid:DXImageTransform.Microsoft.Strips(Duration=3, Motion='rightdown')"};)x",
    R"x( x[49] = {"q":"progid:DXImageTransform.Microsoft.Strips(Duration=3, Motion='rightup')"};)x",
    R"x( x[50] = {"q":"progid:DXImageTransform.Microsoft.Wheel(duration=3,spokes=2)"};)x",
    R"x( x[51] = {"q":"progid:DXImageTransform.Microsoft.Wheel(duration=3,spokes=4)"};)x",
    R"x( x[52] = {"q":"progid:DXImageTransform.Microsoft.Wheel(duration=3,spokes=10)"};)x",
    R"x( x[53] = {"q":"progid:DXImageTransform.Microsoft.Wheel(duration=3,spokes=20)"};)x",
    R"x( x[54] = {"q":"progid:DXImageTransform.Microsoft.zigzag(GridSizeX=16, GridSizeY=16)"};)x",
    R"x( x[55] = {"q":"progid:DXImageTransform.Microsoft.Iris(irisStyle=diamond, motion=in, duration=3)"};)x",
    R"x( x[56] = {"q":"progid:DXImageTransform.Microsoft.Iris(irisStyle=diamond, motion=out, duration=3)"};)x",
};

QString TableText() {
    QString out;
    for (const char* l : kTableLines)
        out += QString::fromUtf8(l) + QStringLiteral("\r\n");
    return out;
}
} // namespace

TEST(ScriptGlobals, GlobalsInOrderThenAllFiftySevenTransitions) {
    static_assert(std::size(kTableLines) == 57);
    SlideShowProject p = MakeShow(3, Background::OneColor);
    p.settings.NumSecDelay = 59;
    const QString head =
        CrLf({"<!--", "var place = 0;", "var stop = 0;", "var auto = false;",
              "var secdelay = 59000;", "var current = 0;", "var cnt = 0;", "var bName;",
              "var bVer;", "var goodnum = 0;", "var buts = false;", "var caps = false;",
              "var browsercompatible = false;", "var x = new Array();"});
    EXPECT_TRUE(SameText(ScriptGlobals(p), head + TableText()));

    // Indices ascend from 0 to 56, each once.
    const QStringList lines = TableText().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 57);
    for (int i = 0; i < 57; ++i)
        EXPECT_TRUE(lines[i].startsWith(QStringLiteral(" x[%1] = {\"q\":\"progid:").arg(i)))
            << lines[i].toStdString();
}

TEST(ScriptGlobals, DelayInMilliseconds) {
    SlideShowProject p = MakeShow(3, Background::OnePicture);
    for (auto [seconds, text] :
         {std::pair{3, "var secdelay = 3000;\r\n"}, std::pair{59, "var secdelay = 59000;\r\n"},
          std::pair{99, "var secdelay = 99000;\r\n"}}) {
        p.settings.NumSecDelay = static_cast<qint16>(seconds);
        EXPECT_TRUE(ScriptGlobals(p).contains(QString::fromUtf8(text))) << seconds;
    }
}

TEST(ScriptDisplay, StartDisplayByBackgroundMode) {
    SlideShowProject onePic = MakeShow(3, Background::OnePicture);
    onePic.slot(0).BkPicture = QStringLiteral("/prog/Clouds.JPG");
    EXPECT_TRUE(
        SameText(ScriptStartDisplay(onePic),
                 CrLf({"", "", "function startdisplay()  {", "    if(bName != \"Netscape\") {",
                       "        document.body.background = \"bgimg.jpg\";", "   }", " }"})));

    SlideShowProject oneColor = MakeShow(3, Background::OneColor);
    oneColor.slot(0).PicBackColor = QStringLiteral("&H0500FF");
    EXPECT_TRUE(
        SameText(ScriptStartDisplay(oneColor),
                 CrLf({"", "", "function startdisplay()  {", "    if(bName != \"Netscape\") {",
                       "        document.body.background = \"#FF0005\";", "   }", " }"})));

    const QString empty = CrLf({"", "", "function startdisplay()  {", " }"});
    EXPECT_TRUE(SameText(ScriptStartDisplay(MakeShow(3, Background::PicturePerSlide)), empty));
    EXPECT_TRUE(SameText(ScriptStartDisplay(MakeShow(3, Background::ColorPerSlide)), empty));
}

TEST(ScriptDisplay, ChangeDisplayWithoutPerSlideBackground) {
    SlideShowProject p = MakeShow(3, Background::OnePicture);
    p.settings.FontInUse = QStringLiteral("Comic Sans MS");
    p.settings.FontSizeInUse = QStringLiteral("20");
    const QString expected = CrLf({
        "",
        "",
        "function changedisplay(cnt)  { ",
        "    var pcnt = cnt + 1;",
        "    window.status = \"Picture #\" + pcnt + \" of \" + picz.length;",
        "    if(caps == true) {",
        "        var msg = document.getElementById(\"text\");",
        "        msg.style.textAlign = \"center\";",
        "        msg.style.fontSize = \"20\";",
        "        msg.style.fontFamily = \"Comic Sans MS\";",
        "        msg.style.color = TxtForeCol[cnt];",
        "        msg.style.backgroundColor = TxtAreaBkCol[cnt];",
        "        msg.innerText = capz[cnt];",
        "    }",
        "    if(browsercompatible) form1.docimage.style.filter=x[randomNum(x.length - 1)].q;",
        "    if(!document.images) return;",
        "    if(browsercompatible) document.form1.docimage.filters[0].apply();",
        "    document.images[\"docimage\"].src= picz[cnt];",
        "    if(browsercompatible) document.form1.docimage.filters[0].play();",
        "}",
    });
    EXPECT_TRUE(SameText(ScriptChangeDisplay(p), expected));
    SetBackground(p.settings, Background::OneColor);
    EXPECT_TRUE(SameText(ScriptChangeDisplay(p), expected));
}

TEST(ScriptDisplay, PerSlideBackgroundWrapsCaptionInBrowserTest) {
    SlideShowProject p = MakeShow(3, Background::ColorPerSlide);
    // A font name is a script string too.
    p.settings.FontInUse = QStringLiteral("Odd\\Font");
    const QString expected = CrLf({
        "",
        "",
        "function changedisplay(cnt)  { ",
        "    var pcnt = cnt + 1;",
        "    window.status = \"Picture #\" + pcnt + \" of \" + picz.length;",
        "    if(bName == \"Microsoft Internet Explorer\") {",
        "        document.bgColor = bkcolorz[cnt];",
        "        if(caps == true) {",
        "            var msg = document.getElementById(\"text\");",
        "            msg.style.textAlign = \"center\";",
        "            msg.style.fontSize = \"16\";",
        "            msg.style.fontFamily = \"Odd\\\\Font\";",
        "            msg.style.color = TxtForeCol[cnt];",
        "            msg.style.backgroundColor = TxtAreaBkCol[cnt];",
        "            msg.innerText = capz[cnt];",
        "        }",
        "    }",
        "    if(browsercompatible) form1.docimage.style.filter=x[randomNum(x.length - 1)].q;",
        "    if(!document.images) return;",
        "    if(browsercompatible) document.form1.docimage.filters[0].apply();",
        "    document.images[\"docimage\"].src= picz[cnt];",
        "    if(browsercompatible) document.form1.docimage.filters[0].play();",
        "}",
    });
    EXPECT_TRUE(SameText(ScriptChangeDisplay(p), expected));

    SetBackground(p.settings, Background::PicturePerSlide);
    QString pictures = expected;
    pictures.replace(QStringLiteral("document.bgColor = bkcolorz[cnt];"),
                     QStringLiteral("document.body.background = bkimgz[cnt];"));
    EXPECT_TRUE(SameText(ScriptChangeDisplay(p), pictures));
}
