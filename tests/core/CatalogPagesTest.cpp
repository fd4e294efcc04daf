#include "compiler/CatalogPages.h"
#include "ScriptedPrompter.h"
#include "project/SlideShowProject.h"

#include <gtest/gtest.h>

namespace {
QString Crlf(const char* text) {
    return QString::fromUtf8(text).replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

SlideShowProject ProjectWith(const QStringList& pictures) {
    SlideShowProject p;
    ScriptedPrompter ui;
    p.GrowSlots(); // the first block, as start-up makes it
    for (const QString& path : pictures)
        p.AppendPicture(path);
    return p;
}

SlideShowProject ThreePictures() {
    return ProjectWith({QStringLiteral("/home/me/Trip.Photos/a.JPG"),
                        QStringLiteral("C:\\Pictures\\b.gif"), QStringLiteral("/tmp/c.png")});
}
} // namespace

TEST(CatalogPages, CatalogOfThreePictures) {
    const char* const expected = R"P(<HTML>
<TITLE>Catalog</TITLE>
<HEAD>
<Script Language=Javascript>
function newWindow(Catalog) {
catWindow = window.open(Catalog,'catWin','resizeable=yes,toolbar=no,menubar=no,titlebar=yes,directories=no,scrollbars=yes,width=700 height=500')
  catWindow.focus();
   catWindow.moveTo(0,0);
 } 
function asktoclose() {
quit = confirm("Are you sure you want to exit?");
if(quit==true)
window.close();
   }
</Script>
</HEAD>
<BODY BGCOLOR="BLACK">
<A HREF="javascript:newWindow('pic1.jpg')"><IMG SRC="pic1.jpg"
 ALT="Picture #1" HEIGHT=100 WIDTH=100></A>
<A HREF="javascript:newWindow('pic2.gif')"><IMG SRC="pic2.gif"
 ALT="Picture #2" HEIGHT=100 WIDTH=100></A>
<A HREF="javascript:newWindow('pic3.png')"><IMG SRC="pic3.png"
 ALT="Picture #3" HEIGHT=100 WIDTH=100></A>
<FORM NAME="formbutton">
<center><INPUT TYPE=button VALUE=" Exit "
onClick="asktoclose()"></center>
</FORM>
</BODY>
</HTML>
)P";
    EXPECT_EQ(CatalogPage(ThreePictures()), Crlf(expected));
}

TEST(CatalogPages, FramePagesAreFourLinesOpeningPictureOne) {
    const FramePageTexts frames =
        FramePages(ProjectWith({QStringLiteral("/p/first.GIF"), QStringLiteral("/p/second.jpg"),
                                QStringLiteral("/p/x.bmp")}));
    EXPECT_EQ(frames.left, Crlf(R"P(<FRAMESET COLS="33,67">
<FRAME NAME="thumbpics" SRC="thumbpic.htm">
<FRAME NAME="whopics" SRC="pic1.gif">
</FRAMESET>
)P"));
    EXPECT_EQ(frames.right, Crlf(R"P(<FRAMESET COLS="67,33">
<FRAME NAME="whopics" SRC="pic1.gif">
<FRAME NAME="thumbpics" SRC="thumbpic.htm">
</FRAMESET>
)P"));
    EXPECT_EQ(FramePages(ThreePictures()).left.split(QStringLiteral("\r\n"))[2],
              "<FRAME NAME=\"whopics\" SRC=\"pic1.jpg\">");
}

TEST(CatalogPages, ThumbnailColumnWithAndWithoutSong) {
    SlideShowProject p = ThreePictures();
    const char* const entries = R"P(<A HREF="pic1.jpg" TARGET=whopics><IMG SRC="pic1.jpg"
 ALT="Picture #1" HEIGHT=100 WIDTH=100></A>
<A HREF="pic2.gif" TARGET=whopics><IMG SRC="pic2.gif"
 ALT="Picture #2" HEIGHT=100 WIDTH=100></A>
<A HREF="pic3.png" TARGET=whopics><IMG SRC="pic3.png"
 ALT="Picture #3" HEIGHT=100 WIDTH=100></A>
</BODY>
</HTML>
)P";
    const QString head = Crlf("<HTML>\n<HEAD><TITLE>  </TITLE></HEAD>\n<BODY BGCOLOR=\"BLACK\">\n");

    p.settings.SongPath.clear();
    EXPECT_EQ(ThumbPage(p), head + Crlf("\n") + Crlf(entries));

    p.settings.SongPath = QStringLiteral("/home/me/Music/Tune.Mid");
    EXPECT_EQ(ThumbPage(p), head + Crlf("<BGSOUND SRC=\"thesong.mid\" LOOP=-1>\n") + Crlf(entries));
}

TEST(CatalogPages, ThousandPicturesGiveThousandEntries) {
    QStringList paths;
    for (int k = 1; k <= 1000; ++k)
        paths << QStringLiteral("/pics/p%1.%2").arg(k).arg(k % 2 ? "JPG" : "gif");
    const SlideShowProject p = ProjectWith(paths);
    ASSERT_EQ(p.SlideCount(), 1000);

    const QString catalog = CatalogPage(p);
    const QString thumbs = ThumbPage(p);
    EXPECT_EQ(catalog.count(u"<A HREF=\"javascript:newWindow('pic"), 1000);
    EXPECT_EQ(thumbs.count(u" TARGET=whopics><IMG SRC=\"pic"), 1000);
    EXPECT_EQ(catalog.count(u" HEIGHT=100 WIDTH=100></A>\r\n"), 1000);
    EXPECT_EQ(thumbs.count(u" HEIGHT=100 WIDTH=100></A>\r\n"), 1000);
    EXPECT_TRUE(catalog.contains(u"<A HREF=\"javascript:newWindow('pic1000.gif')\"><IMG "
                                 u"SRC=\"pic1000.gif\"\r\n ALT=\"Picture #1000\" HEIGHT"));
    EXPECT_TRUE(thumbs.contains(u"<A HREF=\"pic999.jpg\" TARGET=whopics><IMG SRC=\"pic999.jpg\""
                                u"\r\n ALT=\"Picture #999\" HEIGHT"));
    EXPECT_FALSE(catalog.contains(u"pic1001"));
}
