#include "captionstyle/SamplePage.h"

#include "compiler/PageText.h"
#include "project/ColorText.h"

#include <QDir>
#include <QSaveFile>

namespace {
QString Html(ColorValue c) {
    bool bgrOrder = false;
    return QLatin1Char('#') + ColorToHex(c, bgrOrder);
}

// Text inside a script string of the page's script block: escaped for the
// string, "<" included, so that "</script>" in a font name cannot end the
// block.
QString ScriptBlockString(const QString& value) {
    return ScriptStringText(value);
}
} // namespace

QString HintColor(ColorValue back) {
    const bool light = RedOf(back) > 170 || GreenOf(back) > 170 || BlueOf(back) > 170;
    return light ? QStringLiteral("#000000") : QStringLiteral("#FFFFFF");
}

QString SamplePageText(const SampleStyle& s) {
    PageBuilder page;
    page.lines({u"<HTML>", u"<HEAD>", u"<TITLE>ACTUAL WEB SAMPLE</TITLE>",
                u"<script language=\"Javascript\">", u"<!-- ", u"function startdisplay() { ",
                u"     var msg = document.getElementById(\"text\");"});
    page.line(QStringLiteral("     msg.style.color = \"") + Html(s.captionTextColor) +
              QStringLiteral("\";"));
    page.line(u"     msg.style.textAlign = \"center\";");
    page.line(QStringLiteral("     msg.style.backgroundColor = \"") + Html(s.captionBoxColor) +
              QStringLiteral("\";"));
    // The font and size go into script strings: escaped so that any name
    // keeps the script running, as on the show's own pages. The size is set
    // as the show's script sets it, a bare number, which a page without a
    // DOCTYPE (the show's and this one) reads as pixels: the sample shows the
    // caption at the size the show will.
    page.line(QStringLiteral("     msg.style.fontFamily = \"") + ScriptBlockString(s.font) +
              QStringLiteral("\";"));
    page.line(QStringLiteral("     msg.style.fontSize = \"") + ScriptBlockString(s.size) +
              QStringLiteral("\";  }"));
    page.lines({u"//-->", u"</script>", u"</HEAD>"});
    page.line(QStringLiteral("<BODY BGCOLOR=\"") + Html(s.pageBackColor) +
              QStringLiteral("\" text color=\"#FFFFFF\" onload=\"startdisplay()\">"));
    page.line(u"<FORM NAME=\"form1\">");
    page.line(QStringLiteral("<table width=\"100%\" border=\"3\"> <tr bgcolor=\"") +
              Html(s.frameColor) + QStringLiteral("\">"));
    page.lines({u"<td width=\"1%\" ALIGN=LEFT VALIGN=MIDDLE><H7><br></H7></td>",
                u"<td  width=\"98%\" ALIGN=LEFT VALIGN=TOP>"});
    // The caption is text, never markup: the sets file it may come from is
    // outside data.
    page.line(QStringLiteral("<DIV ID=text ALIGN=absmiddle>") + s.caption.toHtmlEscaped() +
              QStringLiteral("</DIV>"));
    page.lines({u"</td>", u"<td width=\"1%\" ALIGN=RIGHT VALIGN=MIDDLE><br></td>", u"</tr>",
                u"</table>", u"</FORM>"});
    // The hint takes a colour that reads on the page background; line 30
    // closes its font element.
    page.line(QStringLiteral("<br><CENTER><font color=\"") + HintColor(s.pageBackColor) +
              QStringLiteral("\">"));
    page.lines({u"You want your caption centered in the box above.", u"<CENTER>", u"</font>",
                u"</BODY>", u"</HTML>", u""});
    return std::move(page).text();
}

std::optional<QString> WriteSamplePage(const QString& folder, const SampleStyle& style,
                                       QString& error) {
    const QString path = QDir(folder).filePath(QLatin1String(kSamplePageName));
    QSaveFile file(path);
    // The page names no character set: a byte order mark tells the browser
    // it is UTF-8, so any caption shows as typed.
    const QByteArray bytes = "\xEF\xBB\xBF" + SamplePageText(style).toUtf8();
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return path;
    error = QString::number(file.error()) + QLatin1Char(' ') + file.errorString();
    return std::nullopt;
}
