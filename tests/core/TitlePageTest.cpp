#include "compiler/TitlePage.h"
#include "ScriptedPrompter.h"
#include "project/SlideShowProject.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// Expected pages are written with plain line feeds; generated pages end every
// line in CR LF.
QString Crlf(const char* text) {
    return QString::fromUtf8(text).replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

SlideShowProject Project(const QString& message, qint16 flashing = 1) {
    SlideShowProject p;
    p.settings.TitleMessage = message;
    p.settings.OpenPgBkPic = QStringLiteral("/usr/share/pevrano/Wood.GIF");
    p.settings.Flashing = flashing;
    return p;
}

const char* const kViewTable = R"P(<CENTER>
<FORM>
<TABLE>
<TR>
<TD><A HREF="javascript:OpenWindow('pix/slideshw.htm');"><IMG SRC="pix/ssbc.jpg" ALT="Slide Show (Buttons and Captions)"></A>
<TD><A HREF="javascript:OpenWindow('pix/ssbnoc.htm');"><IMG SRC="pix/ssbnoc.jpg" ALT="Slide Show (Buttons, No Captions)"></A>
<TD><A HREF="javascript:OpenWindow('pix/ssnobnoc.htm');"><IMG SRC="pix/ssnobnoc.jpg" ALT="Slide Show (No Buttons, No Captions)"></A>
<TR>
<TD ALIGN="MIDDLE"><INPUT ID="btnEnter" TYPE=BUTTON TITLE="display slide show" VALUE="Buttons and Captions" onClick="OpenWindow('pix/slideshw.htm')">
<TD ALIGN="MIDDLE"><INPUT ID="btnNoCaps" TYPE=BUTTON TITLE="display slide show with NoCaptions" VALUE="Buttons, No Captions " onClick="OpenWindow('pix/ssbnoc.htm')">
<TD ALIGN="MIDDLE"><INPUT ID="btnNoCapNoBut" TYPE=BUTTON TITLE= "display slide show with NoCaptions or No Buttons" VALUE="No Buttons, No Captions" onClick="OpenWindow('pix/ssnobnoc.htm')">
</TR>
<TR>
<TD><A HREF="javascript:OpenTitleViewWindow('pix/catalog.htm');"><IMG SRC="pix/catalog.jpg" ALT="Catalog View"></A>
<TD><A HREF="javascript:OpenTitleViewWindow('pix/frmleft.htm');"><IMG SRC="pix/fraleft.jpg" ALT="Frames Left View"></A>
<TD><A HREF="javascript:OpenTitleViewWindow('pix/frmright.htm');"><IMG SRC="pix/fraright.jpg" ALT="Frames Right View"></A>
<TR>
<TD ALIGN="MIDDLE"><INPUT ID="btnCatalog" TYPE=BUTTON TITLE="display Catalog view" VALUE= "Catalog" onClick="OpenTitleViewWindow('pix/catalog.htm')">
<TD ALIGN="MIDDLE"><INPUT ID="btnfrmleft" TYPE=BUTTON TITLE="display thumbnail pics frame on left" VALUE="Frames Left View"  onClick="OpenTitleViewWindow('pix/frmleft.htm')">
<TD ALIGN="MIDDLE"><INPUT ID="btnfrmright" TYPE=BUTTON TITLE="display thumbnail pics frame on right" VALUE="Frames Right View" onClick="OpenTitleViewWindow('pix/frmright.htm')">
</TR>
</TABLE>
<HR><BR><BR>
<CENTER><INPUT TYPE="button" name="open" value="Press to start the Applet Slide Show" title="Click for slide show" onClick="OpenAppletWindow('pix/appletss.htm')"></CENTER>
<HR COLOR="GREEN" SIZE=5>
)P";

const char* const kPageHead = R"P(<HTML>
<TITLE>Our trip to Rome & "Naples" <b>2003</b></TITLE>
<HEAD>
<style>
BODY  {font-family: "New Times Roman";
    background-color: aqua;
    color: black;
    word-spacing: Normal;
    margin-left: 6.0pt;
    margin-right: 6.0pt; }
H1  {font-family: "Comic Sans MS";
    font-size: 36.0pt;
    color: red;}
H2  {font-family: "Comic Sans MS";
    font-size: 14.0pt;
    color: black;}
H3  {font-family: "Comic Sans MS";
    font-size: 20.0pt;
    color: blue;}
H4  {font-family: "New Times Roman";
    font-size: 10.0pt;
    color: yellow;}
H5  {font-family: "Comic Sans MS";
    font-size: 12.0pt;
    color: black;}
A:link     {color: red;}
A:visited  {color: gray;}
A:active   {color: navy;}
</style>
<script language="JavaScript" src="pix/allcode.js">
</script>
<script language="JavaScript">
<!--
var colorNum=0;
function OpenWindow(url) {
   if (bName == "Netscape")
      url = "pix/netscape.htm";
   window.status = " ";
   objssWindow = window.open(url, "objssWindow", "toolbar=no,menubar=no,resizeable=no,titlebar=no,fullscreen=yes,directories=no,scrollbars=yes");
}
function OpenAppletWindow(url) {
   window.status = " ";
   objssWindow = window.open(url, "objssWindow", "toolbar=no,menubar=no,resizeable=no,titlebar=no,fullscreen=yes,directories=no,scrollbars=yes");
}
function OpenTitleViewWindow(url) {
   window.status = " ";
   objssWindow = window.open(url, "objssWindow", "toolbar=no,menubar=no,resizeable=yes,titlebar=yes,directories=no,scrollbars=yes,width=770,height=525");
   objssWindow.moveTo(0,0);
}
function giveWarning() { 
   alert("Please remember to click on any Picture in the slide show to end!");
}
function startRainbow()   {
  setInterval('Rainbow()',100);
}
function Rainbow() {
   if (bName == "Netscape")
      return;
   var rColor;
   switch (colorNum) {
      case 0: rColor = 'red'; break;
      case 1: rColor = 'green'; break;
      case 2: rColor = 'blue'; break;
      case 3: rColor = 'yellow'; break;
      case 4: rColor = 'orange'; break;
      case 5: rColor = 'purple'; break;
      default: rColor = 'red';
   }
   c_rainbow.style.color = rColor;
   if(++colorNum > 5)
      colorNum = 0;
}
-->
</script>
</HEAD>
<BODY BACKGROUND="pix/wood.gif" onload="hasbutscaps(false,false),goRainbow(),giveWarning()">
<br>
<center><H1><div id="c_rainbow">Pevrano Slide Show</div></H1></center><hr>
<H3><center>Our trip to Rome & "Naples" <b>2003</b></CENTER></H3><HR>
)P";

const char* const kPageTail = R"P(<H2 TITLE="Click on any picture in the slide show to end show">
<CENTER> Click on any button in the show then press the 'e' key to end </CENTER><BR><CENTER>Or click on any picture in the slide show to end show</H2></CENTER><BR>
</FORM>
</CENTER>
<BR>
<HR>
</BODY>
</HTML>
)P";

const QString kProposed = QStringLiteral("Enjoy my slide show of family pictures.");
} // namespace

TEST(TitlePage, WholePageForOneProject) {
    // Project text goes in unchanged, markup and quotes included.
    const SlideShowProject p = Project(QStringLiteral("Our trip to Rome & \"Naples\" <b>2003</b>"));
    EXPECT_EQ(TitlePageText(p), Crlf(kPageHead) + Crlf(kViewTable) + Crlf(kPageTail));
}

TEST(TitlePage, ViewTableKeepsItsOddBlanks) {
    const QString table = ViewLauncherTable(Project(QStringLiteral("x")));
    EXPECT_EQ(table, Crlf(kViewTable));
    EXPECT_TRUE(table.contains(u" TYPE=BUTTON TITLE= \"display slide show with NoCaptions or No"));
    EXPECT_TRUE(table.contains(u" VALUE= \"Catalog\" onClick="));
    EXPECT_TRUE(table.contains(u"VALUE=\"Frames Left View\"  onClick="));
    EXPECT_TRUE(table.contains(u"VALUE=\"Buttons, No Captions \" onClick="));
}

TEST(TitlePage, FlashingSwitchesTheColourTimer) {
    const QString on = QStringLiteral("function startRainbow()   {\r\n"
                                      "  setInterval('Rainbow()',100);\r\n");
    const QString off = QStringLiteral("function startRainbow()   {\r\n"
                                       "//  setInterval('Rainbow()',100);\r\n");
    const QString flashing = TitlePageText(Project(QStringLiteral("m"), 1));
    const QString steady = TitlePageText(Project(QStringLiteral("m"), 0));
    EXPECT_TRUE(flashing.contains(on));
    EXPECT_FALSE(flashing.contains(u"//  setInterval"));
    EXPECT_TRUE(steady.contains(off));
    // Nothing else differs between the two pages.
    QString uncommented = steady;
    uncommented.replace(off, on);
    EXPECT_EQ(uncommented, flashing);
}

TEST(TitlePage, BackgroundIsLowerCasedFileNameInPix) {
    SlideShowProject p = Project(QStringLiteral("m"));
    for (const char* path : {"C:\\Program Files\\Pevrano\\Wood.GIF", "/opt/pevrano/Wood.GIF",
                             "/home/me/My.Pictures\\Wood.GIF"}) {
        p.settings.OpenPgBkPic = QString::fromUtf8(path);
        EXPECT_TRUE(TitlePageText(p).contains(
            u"\r\n<BODY BACKGROUND=\"pix/wood.gif\" onload=\"hasbutscaps(false,false),"
            u"goRainbow(),giveWarning()\">\r\n"))
            << path;
    }
}

TEST(TitlePage, AcceptingTheProposedMessage) {
    SlideShowProject p = Project(QString());
    ScriptedPrompter ui;
    ui.queueInput(kProposed);
    const QString page = TitlePage(p, ui);

    EXPECT_EQ(p.settings.TitleMessage, kProposed);
    EXPECT_TRUE(page.startsWith(
        u"<HTML>\r\n<TITLE>Enjoy my slide show of family pictures.</TITLE>\r\n<HEAD>\r\n"));
    EXPECT_TRUE(page.contains(
        u"\r\n<H3><center>Enjoy my slide show of family pictures.</CENTER></H3><HR>\r\n"));
    EXPECT_EQ(page, TitlePageText(p));

    ASSERT_EQ(ui.questions().size(), 1u);
    const InputBoxRequest& q = ui.questions()[0].input;
    EXPECT_EQ(ui.questions()[0].kind, ScriptedPrompter::Kind::Input);
    EXPECT_EQ(q.title, "Please Enter a one line message.");
    EXPECT_EQ(q.prompt, "Please enter a one line message that you\n"
                        "would like to display \n"
                        "in the openning htm page.\n"
                        "Example: Our summer at the lake.");
    EXPECT_EQ(q.defaultText, kProposed);
}

TEST(TitlePage, EmptyOrCancelledAnswersAskAgain) {
    SlideShowProject p = Project(QStringLiteral("message of the last compile"));
    ScriptedPrompter ui;
    ui.queueInput(QString());
    ui.queueInput(std::nullopt);
    ui.queueInput(QString());
    ui.queueInput(QStringLiteral("Spring 2004"));
    const QString page = TitlePage(p, ui);

    EXPECT_EQ(p.settings.TitleMessage, "Spring 2004");
    EXPECT_TRUE(page.contains(u"<TITLE>Spring 2004</TITLE>"));
    ASSERT_EQ(ui.questions().size(), 4u);
    for (const auto& q : ui.questions()) {
        EXPECT_EQ(q.kind, ScriptedPrompter::Kind::Input);
        EXPECT_EQ(q.input.title, "Please Enter a one line message.");
        EXPECT_EQ(q.input.defaultText, kProposed);
    }
}

// Runs the page's own script in node with stand-ins for the browser objects:
// the Netscape redirect, the window features and the colour cycle.
TEST(TitlePage, InlineScriptRunsInNode) {
    const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
    if (node.isEmpty())
        GTEST_SKIP() << "node not installed";

    const QString page = TitlePageText(Project(QStringLiteral("m")));
    const qsizetype begin = page.indexOf(u"<!--\r\n");
    const qsizetype end = page.indexOf(u"\r\n-->\r\n");
    ASSERT_GT(begin, 0);
    ASSERT_GT(end, begin);
    const QString script = page.mid(begin + 6, end - begin - 6);

    const QString harness = QStringLiteral(R"P(
var bName = "Netscape";
var opened = [];
var window = { status: "x", open: function (u, n, f) {
    opened.push([u, n, f]); return { moveTo: function (x, y) { opened.push(["moveTo", x, y]); } }; } };
var c_rainbow = { style: { color: "" } };
var timers = [];
setInterval = function (code, ms) { timers.push(code + "@" + ms); };
%1
OpenWindow('pix/slideshw.htm');
var colours = [];
Rainbow(); colours.push(c_rainbow.style.color);
bName = "Microsoft Internet Explorer";
OpenWindow('pix/ssbnoc.htm');
OpenTitleViewWindow('pix/catalog.htm');
for (var i = 0; i < 7; i++) { Rainbow(); colours.push(c_rainbow.style.color); }
startRainbow();
console.log(JSON.stringify({ opened: opened, status: window.status, colours: colours.join(","),
                             timers: timers.join(",") }));
)P")
                                .arg(script);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath(QStringLiteral("title.js")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(harness.toUtf8());
    file.close();

    QProcess proc;
    proc.start(node, {file.fileName()});
    ASSERT_TRUE(proc.waitForFinished(20000));
    ASSERT_EQ(proc.exitCode(), 0) << proc.readAllStandardError().toStdString();
    const QJsonObject out = QJsonDocument::fromJson(proc.readAllStandardOutput()).object();

    const QString full = QStringLiteral("toolbar=no,menubar=no,resizeable=no,titlebar=no,"
                                        "fullscreen=yes,directories=no,scrollbars=yes");
    const QString view = QStringLiteral("toolbar=no,menubar=no,resizeable=yes,titlebar=yes,"
                                        "directories=no,scrollbars=yes,width=770,height=525");
    const QJsonArray expected{
        QJsonArray{"pix/netscape.htm", "objssWindow", full},
        QJsonArray{"pix/ssbnoc.htm", "objssWindow", full},
        QJsonArray{"pix/catalog.htm", "objssWindow", view},
        QJsonArray{"moveTo", 0, 0},
    };
    EXPECT_EQ(out.value("opened").toArray(), expected);
    EXPECT_EQ(out.value("status").toString(), " ");
    // Netscape leaves the heading alone; otherwise six colours, then round again.
    EXPECT_EQ(out.value("colours").toString(), ",red,green,blue,yellow,orange,purple,red");
    EXPECT_EQ(out.value("timers").toString(), "Rainbow()@100");
}
