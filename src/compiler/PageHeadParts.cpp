#include "compiler/PageHeadParts.h"

#include "compiler/PixNames.h"
#include "project/SlideShowProject.h"

namespace {
const QString kOwnerNotice = QStringLiteral("Copyright (c) Pevrano. All rights reserved.");
const QString kContactAddress = QStringLiteral("<!-- contact: slideshow@pevrano.example -->");
const QString kHomePage = QStringLiteral("<!-- home page: http://www.pevrano.example/ -->");

// A fixed pattern rather than the system locale keeps generated pages alike
// whichever language the desktop runs in.
QString CreatedOnText(const QDateTime& createdOn) {
    return createdOn.toLocalTime().toString(QStringLiteral("M/d/yyyy h:mm:ss AP"));
}

QString MetaElement(const QString& name, const QString& content) {
    return QStringLiteral("<META NAME=") + Quoted(name) + QStringLiteral(" CONTENT=") +
           Quoted(content) + QLatin1Char('>');
}
} // namespace

void AppendHeadOpening(PageBuilder& page, const SlideShowProject& p, const QDateTime& createdOn,
                       ContactOrder order) {
    page.lines({u"<HTML>", u"<HEAD>"});
    page.line(QStringLiteral("<TITLE>") + HtmlText(p.names.FirstPageName) +
              QStringLiteral("</TITLE>"));
    page.line(
        MetaElement(QStringLiteral("keywords"), QStringLiteral("pictures, slides, slide show")));
    page.line(MetaElement(QStringLiteral("generator"), QStringLiteral("Pevrano Slide Show")));
    page.line(MetaElement(QStringLiteral("copyright"), kOwnerNotice));
    page.line(QStringLiteral("<!-- created on: ") + CreatedOnText(createdOn) +
              QStringLiteral(" -->"));
    if (order == ContactOrder::AddressFirst)
        page.line(kContactAddress).line(kHomePage);
    else
        page.line(kHomePage).line(kContactAddress);
    page.line();
    page.line(QStringLiteral("<STYLE type = ") + Quoted(QStringLiteral("text/css")) +
              QLatin1Char('>'));
    page.lines({u"<!--", u"BODY { ", u"scrollbar-face-color: #000000;",
                u"scrollbar-highlight-color: #000000;", u"scrollbar-3dlight-color: #555555;",
                u"scrollbar-darkshadow-color: #000000;", u"scrollbar-shadow-color: #000000;",
                u"scrollbar-arrow-color: #FFFFFF;", u"scrollbar-track-color: #000000;", u" }",
                u"IMG {", u"border-width: 5pt;", u"border-style: inset;", u"border-color: #000000;",
                u"}", u"-->", u"</STYLE>"});
}

void AppendSongLine(PageBuilder& page, const SlideShowProject& p) {
    const QString song = PixSongName(p);
    if (song.isEmpty()) {
        page.line();
        return;
    }
    page.line(QStringLiteral("<BGSOUND SRC=") + QuotedAttribute(song) +
              QStringLiteral(" LOOP=-1>"));
}
