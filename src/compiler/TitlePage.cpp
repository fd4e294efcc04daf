#include "compiler/TitlePage.h"

#include "compiler/PageText.h"
#include "compiler/PixNames.h"
#include "platform/FilePaths.h"
#include "platform/Prompter.h"
#include "project/SlideShowProject.h"

#include <utility>

namespace {
const QString kProposedMessage = QStringLiteral("Enjoy my slide show of family pictures.");

InputBoxRequest MessageRequest() {
    const QStringList prompt{
        QStringLiteral("Please enter a one line message that you"),
        QStringLiteral("would like to display "),
        QStringLiteral("in the openning htm page."),
        QStringLiteral("Example: Our summer at the lake."),
    };
    return {prompt.join(QLatin1Char('\n')), QStringLiteral("Please Enter a one line message."),
            kProposedMessage};
}

// One style rule: the opening line with its font family, the rest indented.
void StyleRule(PageBuilder& page, const QString& selector, const QString& family,
               std::initializer_list<const char*> rest) {
    page.line(selector + Quoted(family) + QLatin1Char(';'));
    for (const char* text : rest)
        page.line(QLatin1String("    ") + QLatin1String(text));
}

void StyleSheet(PageBuilder& page) {
    const QString times = QStringLiteral("New Times Roman");
    const QString comic = QStringLiteral("Comic Sans MS");
    page.line(u"<style>");
    StyleRule(page, QStringLiteral("BODY  {font-family: "), times,
              {"background-color: aqua;", "color: black;", "word-spacing: Normal;",
               "margin-left: 6.0pt;", "margin-right: 6.0pt; }"});
    StyleRule(page, QStringLiteral("H1  {font-family: "), comic,
              {"font-size: 36.0pt;", "color: red;}"});
    StyleRule(page, QStringLiteral("H2  {font-family: "), comic,
              {"font-size: 14.0pt;", "color: black;}"});
    StyleRule(page, QStringLiteral("H3  {font-family: "), comic,
              {"font-size: 20.0pt;", "color: blue;}"});
    StyleRule(page, QStringLiteral("H4  {font-family: "), times,
              {"font-size: 10.0pt;", "color: yellow;}"});
    StyleRule(page, QStringLiteral("H5  {font-family: "), comic,
              {"font-size: 12.0pt;", "color: black;}"});
    page.lines({u"A:link     {color: red;}", u"A:visited  {color: gray;}",
                u"A:active   {color: navy;}", u"</style>"});
}

// The heading's colour cycle; with flashing off the timer line stays in the
// page but commented out, so the heading keeps its style colour.
QString RainbowScripts(const SlideShowProject& p) {
    PageBuilder page;
    page.lines({u"function giveWarning() { ",
                u"   alert(\"Please remember to click on any Picture in the slide show to end!\");",
                u"}"});
    page.line(u"function startRainbow()   {");
    const QString timer = QStringLiteral("  setInterval('Rainbow()',100);");
    page.line(p.settings.Flashing == 0 ? QStringLiteral("//") + timer : timer);
    page.line(u"}");
    page.lines(
        {u"function Rainbow() {", u"   if (bName == \"Netscape\")", u"      return;",
         u"   var rColor;", u"   switch (colorNum) {", u"      case 0: rColor = 'red'; break;",
         u"      case 1: rColor = 'green'; break;", u"      case 2: rColor = 'blue'; break;",
         u"      case 3: rColor = 'yellow'; break;", u"      case 4: rColor = 'orange'; break;",
         u"      case 5: rColor = 'purple'; break;", u"      default: rColor = 'red';", u"   }",
         u"   c_rainbow.style.color = rColor;", u"   if(++colorNum > 5)", u"      colorNum = 0;",
         u"}"});
    return std::move(page).text();
}
} // namespace

QString TitlePage(SlideShowProject& p, Prompter& ui) {
    const InputBoxRequest request = MessageRequest();
    QString message;
    while (message.isEmpty())
        message = ui.inputBox(request).value_or(QString());
    p.settings.TitleMessage = message;
    return TitlePageText(p);
}

QString TitlePageText(const SlideShowProject& p) {
    const QString& message = p.settings.TitleMessage;
    PageBuilder page;
    page.line(u"<HTML>");
    page.line(QStringLiteral("<TITLE>") + HtmlText(message) + QStringLiteral("</TITLE>"));
    page.line(u"<HEAD>");
    StyleSheet(page);

    const QString js = Quoted(QStringLiteral("JavaScript"));
    page.line(QStringLiteral("<script language=") + js + QStringLiteral(" src=") +
              Quoted(QStringLiteral("pix/allcode.js")) + QLatin1Char('>'));
    page.line(u"</script>");
    page.line(QStringLiteral("<script language=") + js + QLatin1Char('>'));
    page.lines({u"<!--", u"var colorNum=0;"});
    page.append(TitleWindowScripts(p));
    page.append(RainbowScripts(p));
    page.lines({u"-->", u"</script>", u"</HEAD>"});

    // The copy keeps the picture's base name (PixOpeningPictureName); in the
    // page's link the characters that would end or change a URL are escaped,
    // so "pic #1.bmp" is found rather than cut short at the "#".
    QString name = PixOpeningPictureName(p);
    for (const auto& [from, to] :
         {std::pair{"%", "%25"}, {"#", "%23"}, {"?", "%3F"}, {"\"", "%22"}})
        name.replace(QLatin1String(from), QLatin1String(to));
    const QString background = QStringLiteral("pix/") + name;
    page.line(QStringLiteral("<BODY BACKGROUND=") + QuotedAttribute(background) +
              QStringLiteral(" onload=") +
              Quoted(QStringLiteral("hasbutscaps(false,false),goRainbow(),giveWarning()")) +
              QLatin1Char('>'));
    page.line(u"<br>");
    page.line(QStringLiteral("<center><H1><div id=") + Quoted(QStringLiteral("c_rainbow")) +
              QStringLiteral(">Pevrano Slide Show</div></H1></center><hr>"));
    page.line(QStringLiteral("<H3><center>") + HtmlText(message) +
              QStringLiteral("</CENTER></H3><HR>"));
    page.append(ViewLauncherTable(p));
    page.line(QStringLiteral("<H2 TITLE=") +
              Quoted(QStringLiteral("Click on any picture in the slide show to end show")) +
              QLatin1Char('>'));
    page.line(u"<CENTER> Click on any button in the show then press the 'e' key to end "
              u"</CENTER><BR><CENTER>Or click on any picture in the slide show to end "
              u"show</H2></CENTER><BR>");
    page.lines({u"</FORM>", u"</CENTER>", u"<BR>", u"<HR>", u"</BODY>", u"</HTML>"});
    return std::move(page).text();
}

QString TitleWindowScripts(const SlideShowProject&) {
    const QString fullScreen = Quoted(QStringLiteral(
        "toolbar=no,menubar=no,resizeable=no,titlebar=no,fullscreen=yes,directories=no,"
        "scrollbars=yes"));
    const QString viewWindow = Quoted(QStringLiteral(
        "toolbar=no,menubar=no,resizeable=yes,titlebar=yes,directories=no,scrollbars=yes,"
        "width=770,height=525"));
    const QString status = QStringLiteral("   window.status = \" \";");
    const auto open = [](const QString& features) {
        return QStringLiteral("   objssWindow = window.open(url, \"objssWindow\", ") + features +
               QStringLiteral(");");
    };

    PageBuilder page;
    page.lines({u"function OpenWindow(url) {", u"   if (bName == \"Netscape\")",
                u"      url = \"pix/netscape.htm\";"});
    page.lines({status, open(fullScreen), u"}"});
    page.line(u"function OpenAppletWindow(url) {");
    page.lines({status, open(fullScreen), u"}"});
    page.line(u"function OpenTitleViewWindow(url) {");
    page.lines({status, open(viewWindow), u"   objssWindow.moveTo(0,0);", u"}"});
    return std::move(page).text();
}
