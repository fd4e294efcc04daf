#include "ScriptShows.h"
#include "compiler/ScriptLibrary.h"

#include <gtest/gtest.h>

namespace {
QString ListText(const char* constructor, const char* list,
                 std::initializer_list<const char*> entries) {
    const QString f = QString::fromUtf8(constructor);
    QString out = QStringLiteral("\r\n\r\nfunction %1 () { \r\n"
                                 "    this.length = %1.arguments.length;\r\n"
                                 "    for (var i=0; i < this.length; i++) { \r\n"
                                 "        this[i] = %1.arguments[i]; \r\n"
                                 "  }\r\n"
                                 " }\r\n"
                                 "\r\n"
                                 "var %2 = new %1 (\r\n")
                      .arg(f, QString::fromUtf8(list));
    for (const char* e : entries)
        out += QStringLiteral("    ") + QString::fromUtf8(e) + QStringLiteral("\r\n");
    return out + QStringLiteral(");\r\n\r\n\r\n");
}
} // namespace

TEST(ScriptLists, PictureNamesFollowNumberingAndLowerCasedExtension) {
    const SlideShowProject p = MakeShow({"/p/a.JPG", "/p/b.gif", "/p/c.Bmp"}, Background::OneColor);
    EXPECT_TRUE(
        SameText(ScriptList(p, ListKind::Picture, "picz", "initPics"),
                 ListText("initPics", "picz", {"\"pic1.jpg\",", "\"pic2.gif\",", "\"pic3.bmp\""})));
    EXPECT_TRUE(SameText(ScriptList(p, ListKind::BackgroundPicture, "bkimgz", "initbkpics"),
                         ListText("initbkpics", "bkimgz",
                                  {"\"bkimg1.gif\",", "\"bkimg2.gif\",", "\"bkimg3.gif\""})));
    EXPECT_TRUE(SameText(
        ScriptList(p, ListKind::Color, "bkcolorz", "initbkcolor"),
        ListText("initbkcolor", "bkcolorz", {"\"#010000\",", "\"#020000\",", "\"#030000\""})));
    EXPECT_TRUE(SameText(
        ScriptList(p, ListKind::Color, "TxtForeCol", "initTxtForeCol"),
        ListText("initTxtForeCol", "TxtForeCol", {"\"#000100\",", "\"#000200\",", "\"#000300\""})));
    EXPECT_TRUE(SameText(ScriptList(p, ListKind::Color, "TxtAreaBkCol", "initTxtAreaBkCol"),
                         ListText("initTxtAreaBkCol", "TxtAreaBkCol",
                                  {"\"#000001\",", "\"#000002\",", "\"#000003\""})));
}

TEST(ScriptLists, BackgroundListsOnlyInTheirModeAndListsInOrder) {
    const auto has = [](const QString& text, const char* what) {
        return text.contains(QString::fromUtf8(what));
    };
    const QString colours = ScriptListsAndKeys(MakeShow(3, Background::ColorPerSlide));
    EXPECT_TRUE(has(colours, "var bkcolorz = new initbkcolor ("));
    EXPECT_FALSE(has(colours, "bkimgz"));

    SlideShowProject perPic = MakeShow(3, Background::PicturePerSlide);
    // A background that is the slide's own picture is still listed as bkimg<k>.
    perPic.slide(2).BkPicture = perPic.slide(2).PicturePath;
    const QString pictures = ScriptListsAndKeys(perPic);
    EXPECT_TRUE(has(pictures, "var bkimgz = new initbkpics (\r\n    \"bkimg1.gif\",\r\n"
                              "    \"bkimg2.jpg\",\r\n    \"bkimg3.gif\"\r\n);"));
    EXPECT_FALSE(has(pictures, "bkcolorz"));

    for (Background mode : {Background::OnePicture, Background::OneColor}) {
        const QString text = ScriptListsAndKeys(MakeShow(3, mode));
        EXPECT_FALSE(has(text, "bkcolorz"));
        EXPECT_FALSE(has(text, "bkimgz"));
    }

    qsizetype at = 0;
    for (const char* list :
         {"function asktoclose", "var picz = new initPics (", "var bkimgz = new initbkpics (",
          "var capz = new initCaption (", "var TxtForeCol = new initTxtForeCol (",
          "var TxtAreaBkCol = new initTxtAreaBkCol (", "function keycheck", "function help"}) {
        const qsizetype next = pictures.indexOf(QString::fromUtf8(list));
        EXPECT_GT(next, at) << list;
        at = next;
    }
}

TEST(ScriptLists, CaptionsKeepTheirTextInsideScriptStrings) {
    SlideShowProject p = MakeShow(3, Background::OneColor);
    p.slide(1).Caption = QStringLiteral("Tom's <b>cat</b> & dog");
    p.slide(2).Caption = QStringLiteral("C:\\Photos\r\nsecond line");
    p.slide(3).Caption = QStringLiteral("tab\there");
    EXPECT_TRUE(SameText(ScriptList(p, ListKind::Text, "capz", "initCaption"),
                         ListText("initCaption", "capz",
                                  {"\"Tom's <b>cat</b> & dog\",",
                                   "\"C:\\\\Photos\\r\\nsecond line\",", "\"tab\there\""})));
}

TEST(ScriptLists, ThousandSlides) {
    const SlideShowProject p = MakeShow(1000, Background::PicturePerSlide);
    ASSERT_EQ(p.SlideCount(), 1000);
    const QString text = ScriptList(p, ListKind::Picture, "picz", "initPics");
    EXPECT_EQ(text.count(QStringLiteral("    \"pic")), 1000);
    EXPECT_TRUE(text.contains(QStringLiteral("    \"pic999.jpg\",\r\n"
                                             "    \"pic1000.jpg\"\r\n);\r\n\r\n\r\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("    \"pic1000.jpg\"\r\n);\r\n\r\n\r\n")));
    EXPECT_EQ(ScriptListsAndKeys(p).count(QStringLiteral("\"bkimg1000.gif\"\r\n);")), 1);
}

TEST(ScriptLists, AskToCloseKeysAndHelp) {
    SlideShowProject p = MakeShow(3, Background::OnePicture);
    p.settings.AmountOfSlidesFFRev = 5;
    const QString text = ScriptListsAndKeys(p);
    EXPECT_TRUE(text.startsWith(
        CrLf({"", "", "function asktoclose() {",
              "    var quit = confirm(\"Are you sure you want to quit?\");", "    if(quit==true)",
              "        window.close();", "   }", "", "", "function initPics () { "})));
    const QString keys = CrLf({
        "function keycheck() { ",
        "    charkey = window.event.keyCode;",
        "    switch (charkey) { ",
        "        case 69:asktoclose();",
        "            break; //exit",
        "        case 72:help();",
        "            break; //help",
        "        case 32:checkIt(1);",
        "            break; //spacebar",
        "        case 8:checkIt(-1);",
        "            break; //backspace",
        "        case 83:togglenobuttons(0);",
        "            break; //stop",
        "        case 65:togglenobuttons(1);",
        "            break; //auto run",
        "        case 70:checkIt(1);",
        "            break; //forward",
        "        case 66:checkIt(-1);",
        "            break; //back",
        "        case 84:checkIt(5);",
        "            break; //'t' fast forward",
        "        case 82:checkIt(-5);",
        "            break; //'r' rewind",
        "        default:togglenobuttons(0);",
        "            break; //stop",
        "    }",
        "}",
        "",
        "",
        "function help() { ",
        "    alert(\"Use these keys as follows: 'H'(help), 'B'or backspace(back), 'F'or "
        "spacebar(forward), 'R'(rewind), 'T'(fast forward), 'A'(auto run), 'S'(stop), "
        "'E'(exit) --- If no reaction to keys when pressed, hit the Tab key then press a key\");",
        "  }",
    });
    EXPECT_TRUE(text.endsWith(QStringLiteral(");\r\n\r\n\r\n") + keys));
}

TEST(ScriptLibrary, WholeFileJoinsSectionsWithCrLfLines) {
    const SlideShowProject p = MakeShow(4, Background::ColorPerSlide);
    const QString all = AllCode(p);
    EXPECT_TRUE(SameText(all, ScriptGlobals(p) + ScriptStartDisplay(p) + ScriptChangeDisplay(p) +
                                  ScriptListsAndKeys(p) + ScriptNavigation(p) + ScriptBrowser(p)));
    EXPECT_TRUE(all.startsWith(QStringLiteral("<!--\r\nvar place = 0;\r\n")));
    EXPECT_TRUE(all.endsWith(QStringLiteral("}\r\n    //-->\r\n")));
    EXPECT_EQ(all.count(QLatin1Char('\n')), all.count(QStringLiteral("\r\n")));
    EXPECT_EQ(all.count(QLatin1Char('\r')), all.count(QStringLiteral("\r\n")));
    EXPECT_FALSE(all.contains(QLatin1Char('\t')));
    // The texts the visitor sees, exactly.
    for (const char* text :
         {"\"You are at the beginning! Press: 'Forward'\"",
          "\"You are at the End of the Slide Show! Press: 'Back'\"",
          "\"Press this Button to Start Movie Mode\"", "\"Press this Button to Start Movie Mode!\"",
          "\"Press any button to Stop auto mode!\"", "\" Back #\"", "\"    Forward #\"",
          "bName = 'Opera';", "return Math.floor(Math.random()*(n+1));"})
        EXPECT_TRUE(all.contains(QString::fromUtf8(text))) << text;
}
