#include "compiler/SlidePages.h"

#include "compiler/PageHeadParts.h"
#include "compiler/PageText.h"
#include "compiler/PixNames.h"
#include "project/ColorText.h"
#include "project/SlideShowProject.h"

#include <array>

namespace {
// What differs between the button row of the "form1" pages and the one of the
// Netscape page.
struct ButtonRowStyle {
    // Labels in cell order: back, rewind, auto run, fast forward, forward.
    std::array<QString, 5> labels;
    // Appended to every step action.
    QString stepSuffix;
    QString autoAction;
};

QString HtmlColor(ColorValue c) {
    bool bgrOrder = false;
    return QLatin1Char('#') + ColorToHex(c, bgrOrder);
}

QString NameAttribute(const QString& name) {
    return QStringLiteral(" NAME=") + Quoted(name);
}

void AppendButtonCells(PageBuilder& page, const SlideShowProject& p, const ButtonRowStyle& style) {
    struct Cell {
        int colorIndex;
        QString opener;
        QString title;
        QString labelAttribute;
        QString name; // empty: the button has none
        bool nameBeforeLabel;
        QString action;
        QString closer;
    };
    const QString n = IntText(p.settings.AmountOfSlidesFFRev);
    const QString bTag = QStringLiteral("><b><INPUT TYPE=");
    const QString lower = QStringLiteral(" value=");
    const QString upper = QStringLiteral(" VALUE=");
    const QString boldClose = QStringLiteral("></b></td>");
    const std::array<Cell, 5> cells{{
        {4, QStringLiteral("><b><INPUT TYPE= "), QStringLiteral("Back 1 Slide"), lower,
         QStringLiteral("bb"), false, QStringLiteral("checkIt(-1),picnum()"), boldClose},
        {3, bTag, QStringLiteral("Back ") + n + QStringLiteral(" Slides"), lower, QString(), false,
         QStringLiteral("checkIt(-") + n + QStringLiteral("),picnum()"), QStringLiteral("></td>")},
        {2, bTag, QStringLiteral("Movie Mode -Run/Stop-"), upper, QStringLiteral("aut"), true,
         QString(), boldClose},
        {1, bTag, QStringLiteral("Advance ") + n + QStringLiteral(" Slides"), upper, QString(),
         false, QStringLiteral("checkIt(") + n + QStringLiteral("),picnum()"), boldClose},
        {0, bTag, QStringLiteral("Advance 1 Slide"), upper, QStringLiteral("ff"), false,
         QStringLiteral("checkIt(1),picnum()"), boldClose},
    }};
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const Cell& c = cells[i];
        const bool isAutoRun = i == 2;
        const QString action = isAutoRun ? style.autoAction : c.action + style.stepSuffix;
        const QString name = c.name.isEmpty() ? QString() : NameAttribute(c.name);
        const QString label = c.labelAttribute + Quoted(style.labels[i]);
        page.line(QStringLiteral("<td width=") + Quoted(QStringLiteral("20%")) +
                  QStringLiteral(" bgcolor=") +
                  Quoted(HtmlColor(p.settings.ButtonColors.at(c.colorIndex))) +
                  QStringLiteral(" align=") + Quoted(QStringLiteral("center")) + c.opener +
                  Quoted(QStringLiteral("button")) + QStringLiteral(" title=") + Quoted(c.title) +
                  (c.nameBeforeLabel ? name + label : label + name) + QStringLiteral(" onclick=") +
                  Quoted(action) + c.closer);
    }
}

QString FirstPictureName(const SlideShowProject& p) {
    return PixPictureName(p, 1);
}

void AppendBodyTag(PageBuilder& page, const SlideShowProject& p, const QString& onload) {
    page.line(QStringLiteral("<BODY BGCOLOR=") + Quoted(StoredColorToHtml(p.slot(0).PicBackColor)) +
              QStringLiteral(" text color=") + Quoted(QStringLiteral("#000000")) +
              QStringLiteral(" onload=") + Quoted(onload) + QLatin1Char('>'));
}

void AppendForm1Opening(PageBuilder& page) {
    page.line(QStringLiteral("<FORM NAME=") + Quoted(QStringLiteral("form1")) + QLatin1Char('>'));
}

// The picture the script swaps, with the fade filter the transitions replace,
// followed by an empty line.
void AppendFilteredPicture(PageBuilder& page, const SlideShowProject& p) {
    page.line(QStringLiteral("<img id=") + Quoted(QStringLiteral("docimage")) +
              QStringLiteral(" src=") + QuotedAttribute(FirstPictureName(p)) +
              QStringLiteral(" onClick=") + Quoted(QStringLiteral("asktoclose()")));
    page.line(QStringLiteral("style=") +
              Quoted(QStringLiteral("filter:progid:DXImageTransform.Microsoft.Fade(Duration=3)")) +
              QLatin1Char('>'));
    page.line();
}

void AppendCaptionTable(PageBuilder& page, const SlideShowProject& p) {
    const QString leftRight = QStringLiteral(" ALIGN=LEFT VALIGN=MIDDLE>");
    page.line(QStringLiteral("<table width=") + Quoted(QStringLiteral("100%")) +
              QStringLiteral(" border=") + Quoted(QStringLiteral("3")) +
              QStringLiteral("> <tr bgcolor=") + Quoted(HtmlColor(p.settings.CaptionFrameColor)) +
              QLatin1Char('>'));
    page.line(QStringLiteral("<td width=") + Quoted(QStringLiteral("1%")) + leftRight +
              QStringLiteral("<H7><br></H7></td>"));
    page.line(QStringLiteral("<td width=") + Quoted(QStringLiteral("98%")) +
              QStringLiteral(" ALIGN=LEFT VALIGN=TOP>"));
    page.line(QStringLiteral("<DIV ID=") + Quoted(QStringLiteral("text")) +
              QStringLiteral("align=") + Quoted(QStringLiteral("middle")) + QLatin1Char('>') +
              HtmlText(ClassicCaption(p.slot(0).Caption)) + QStringLiteral("</DIV>"));
    page.line(u"</td>");
    page.line(QStringLiteral("<td width=") + Quoted(QStringLiteral("1%")) + leftRight +
              QStringLiteral("</td>"));
    page.lines({u"</tr>", u"</table>"});
}

void AppendPageEnd(PageBuilder& page) {
    page.lines({u"</FORM>", u"</CENTER>", u"</BODY>", u"</HTML>"});
}
} // namespace

QString PageHead(const SlideShowProject& p, const QDateTime& createdOn) {
    PageBuilder page;
    AppendHeadOpening(page, p, createdOn, ContactOrder::AddressFirst);
    page.line();
    page.line(QStringLiteral("<script language = ") + Quoted(QStringLiteral("JavaScript")) +
              QStringLiteral(" src=") + Quoted(QStringLiteral("allcode.js")) + QLatin1Char('>'));
    page.lines({u"</script>", u"</HEAD>"});
    return std::move(page).text();
}

QString SlidePage(const SlideShowProject& p, bool buttons, bool captions) {
    PageBuilder page;
    AppendBodyTag(page, p,
                  QStringLiteral("hasbutscaps(") + ScriptBoolean(buttons) + QLatin1Char(',') +
                      ScriptBoolean(captions) +
                      QStringLiteral("),startdisplay(),changedisplay(0)"));
    AppendSongLine(page, p);
    page.line(u"<CENTER>");
    AppendForm1Opening(page);
    if (captions)
        AppendCaptionTable(page, p);
    AppendFilteredPicture(page, p);
    page.line(QStringLiteral("<table width=") + Quoted(QStringLiteral("100%")) +
              QStringLiteral(" border=") + Quoted(QStringLiteral("5")) + QLatin1Char('>'));
    page.line(QStringLiteral("<tr bgcolor=") + Quoted(QStringLiteral("#000000")) +
              QLatin1Char('>'));
    AppendButtonCells(
        page, p,
        {{QStringLiteral("  Back   "), QStringLiteral("  <<   "), QStringLiteral("Auto Run"),
          QStringLiteral("  >>   "), QStringLiteral("  Forward   ")},
         QString(),
         QStringLiteral("togglebuttons()")});
    page.lines({u"</tr>", u"</table>"});
    AppendPageEnd(page);
    return std::move(page).text();
}

QString KeyboardSlidePage(const SlideShowProject& p) {
    PageBuilder page;
    AppendBodyTag(
        page, p,
        QStringLiteral("hasbutscaps(false,false),startdisplay(), changedisplay(0),help()"));
    AppendSongLine(page, p);
    page.lines({u"<BR><BR>", u"<CENTER>"});
    AppendForm1Opening(page);
    AppendFilteredPicture(page, p);
    // Out of sight: this button holds the focus and takes the key presses.
    page.line(QStringLiteral("<DIV STYLE=") +
              Quoted(QStringLiteral("position: relative; top: 2000; right: 2000;")) +
              QLatin1Char('>'));
    page.line(QStringLiteral("<INPUT TYPE=BUTTON NAME=") + Quoted(QStringLiteral("bb")) +
              QStringLiteral(" onkeydown=") + Quoted(QStringLiteral("keycheck()")) +
              QLatin1Char('>'));
    page.line(u"</DIV>");
    AppendPageEnd(page);
    return std::move(page).text();
}

QString NetscapePage(const SlideShowProject& p) {
    PageBuilder page;
    AppendBodyTag(page, p,
                  QStringLiteral("hasbutscaps(true,false),startdisplay(),changedisplay(0)"));
    // The embed element is written even without a song: it then names a file
    // that is not there, which the browser ignores.
    const QString song = PixSongName(p);
    const QString songFile = song.isEmpty() ? QStringLiteral("thesong.mp3") : song;
    page.line(QStringLiteral("<embed src=") + QuotedAttribute(songFile) +
              QStringLiteral(" hidden=") + Quoted(QStringLiteral("true")) +
              QStringLiteral(" autostart=") + Quoted(QStringLiteral("true")) +
              QStringLiteral(" loop=") + Quoted(QStringLiteral("true")) + QLatin1Char('>'));
    page.line(u"</embed>");
    page.line(u"<center>");
    page.line(QStringLiteral("<img name=") + Quoted(QStringLiteral("docimage")) +
              QStringLiteral(" src=") + QuotedAttribute(FirstPictureName(p)) +
              QStringLiteral(" onClick=") + Quoted(QStringLiteral("asktoclose()")) +
              QLatin1Char('>'));
    page.lines({u"</center>", u"<center>"});
    page.line(QStringLiteral("<form name=") + Quoted(QStringLiteral("net")) + QLatin1Char('>'));
    page.line(QStringLiteral("<table width=") + Quoted(QStringLiteral("100%")) +
              QStringLiteral(" border=") + Quoted(QStringLiteral("5")) +
              QStringLiteral(" bgcolor=") + Quoted(QStringLiteral("#000000")) + QLatin1Char('>'));
    page.line(u"<tr>");
    AppendButtonCells(
        page, p,
        {{QStringLiteral("    Back     "), QStringLiteral("  <<   "), QStringLiteral(" Auto Run "),
          QStringLiteral("  >>   "), QStringLiteral("    Forward     ")},
         QStringLiteral(",resetnetscapebutton()"),
         QStringLiteral("autorun()")});
    page.lines({u"</tr>", u"</table>", u"</form>", u"</CENTER>", u"</BODY>", u"</HTML>"});
    return std::move(page).text();
}
