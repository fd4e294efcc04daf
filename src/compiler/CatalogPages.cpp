#include "compiler/CatalogPages.h"

#include "compiler/PageHeadParts.h"
#include "compiler/PageText.h"
#include "compiler/PixNames.h"
#include "project/SlideShowProject.h"

namespace {
QString PictureName(const SlideShowProject& p, int k) {
    return PixPictureName(p, k);
}

// What a strip or catalog cell shows: the thumbnail when one was written,
// the full picture otherwise. A click opens the full picture either way.
QString ThumbnailName(const SlideShowProject& p, int k) {
    return PixThumbWritten(p, k) ? PixThumbName(k) : PictureName(p, k);
}

QString AltLine(int k) {
    return QStringLiteral(" ALT=") + Quoted(QStringLiteral("Picture #") + IntText(k)) +
           QStringLiteral(" HEIGHT=100 WIDTH=100></A>");
}

QString FrameLine(const char* name, const QString& source) {
    return QStringLiteral("<FRAME NAME=") + Quoted(QLatin1String(name)) + QStringLiteral(" SRC=") +
           QuotedAttribute(source) + QLatin1Char('>');
}

// The quoted link that opens a picture in the catalog's window. The name is
// escaped for the script string, then for the attribute; a "javascript:" link
// is decoded as a URL before it runs, so a "%" must stay a "%".
QString CatalogLink(const QString& name) {
    const QString inScript = ScriptStringText(name).replace(QLatin1Char('%'), QLatin1String("%25"));
    return Quoted(QStringLiteral("javascript:newWindow('") + AttributeText(inScript) +
                  QStringLiteral("')"));
}

// Two lines per picture with the header and footer, around 150 characters.
constexpr qsizetype kBytesPerEntry = 150;
} // namespace

QString CatalogPage(const SlideShowProject& p) {
    PageBuilder page;
    page.reserve(1024 + p.SlideCount() * kBytesPerEntry);
    page.lines({u"<HTML>", u"<TITLE>Catalog</TITLE>", u"<HEAD>", u"<Script Language=Javascript>"});
    page.lines({u"function newWindow(Catalog) {",
                u"catWindow = window.open(Catalog,'catWin','resizeable=yes,toolbar=no,menubar=no,"
                u"titlebar=yes,directories=no,scrollbars=yes,width=700 height=500')",
                u"  catWindow.focus();", u"   catWindow.moveTo(0,0);", u" } "});
    page.lines({u"function asktoclose() {", u"quit = confirm(\"Are you sure you want to exit?\");",
                u"if(quit==true)", u"window.close();", u"   }"});
    page.lines({u"</Script>", u"</HEAD>"});
    page.line(QStringLiteral("<BODY BGCOLOR=") + Quoted(QStringLiteral("BLACK")) +
              QLatin1Char('>'));
    for (int k = 1; k <= p.SlideCount(); ++k) {
        page.line(QStringLiteral("<A HREF=") + CatalogLink(PictureName(p, k)) +
                  QStringLiteral("><IMG SRC=") + QuotedAttribute(ThumbnailName(p, k)));
        page.line(AltLine(k));
    }
    page.line(QStringLiteral("<FORM NAME=") + Quoted(QStringLiteral("formbutton")) +
              QLatin1Char('>'));
    page.line(QStringLiteral("<center><INPUT TYPE=button VALUE=") +
              Quoted(QStringLiteral(" Exit ")));
    page.line(QStringLiteral("onClick=") + Quoted(QStringLiteral("asktoclose()")) +
              QStringLiteral("></center>"));
    page.lines({u"</FORM>", u"</BODY>", u"</HTML>"});
    return std::move(page).text();
}

FramePageTexts FramePages(const SlideShowProject& p) {
    const QString thumbs = FrameLine("thumbpics", QStringLiteral("thumbpic.htm"));
    const QString viewer = FrameLine("whopics", PictureName(p, 1));
    const auto frameset = [](const char* cols, const QString& first, const QString& second) {
        PageBuilder page;
        page.line(QStringLiteral("<FRAMESET COLS=") + Quoted(QLatin1String(cols)) +
                  QLatin1Char('>'));
        page.lines({first, second, u"</FRAMESET>"});
        return std::move(page).text();
    };
    return {frameset("33,67", thumbs, viewer), frameset("67,33", viewer, thumbs)};
}

QString ThumbPage(const SlideShowProject& p) {
    PageBuilder page;
    page.reserve(1024 + p.SlideCount() * kBytesPerEntry);
    page.lines({u"<HTML>", u"<HEAD><TITLE>  </TITLE></HEAD>"});
    page.line(QStringLiteral("<BODY BGCOLOR=") + Quoted(QStringLiteral("BLACK")) +
              QLatin1Char('>'));
    AppendSongLine(page, p);
    for (int k = 1; k <= p.SlideCount(); ++k) {
        page.line(QStringLiteral("<A HREF=") + QuotedAttribute(PictureName(p, k)) +
                  QStringLiteral(" TARGET=whopics>") + QStringLiteral("<IMG SRC=") +
                  QuotedAttribute(ThumbnailName(p, k)));
        page.line(AltLine(k));
    }
    page.lines({u"</BODY>", u"</HTML>"});
    return std::move(page).text();
}
