#include "compiler/PageText.h"
#include "compiler/TitlePage.h"

namespace {
struct PictureCell {
    const char* link;
    const char* picture;
    const char* alt;
};

// A launcher button. The blank texts around the attributes vary from button
// to button, so each one carries its own.
struct ButtonCell {
    const char* id;
    const char* title;
    const char* label;
    const char* action;
    const char* titleText = " TYPE=BUTTON TITLE=";
    const char* valueText = " VALUE=";
    const char* clickText = " onClick=";
};

QString PictureCellText(const PictureCell& c) {
    return QStringLiteral("<TD><A HREF=") + Quoted(QLatin1String(c.link)) +
           QStringLiteral("><IMG SRC=") + Quoted(QLatin1String(c.picture)) +
           QStringLiteral(" ALT=") + Quoted(QLatin1String(c.alt)) + QStringLiteral("></A>");
}

QString ButtonCellText(const ButtonCell& c) {
    return QStringLiteral("<TD ALIGN=") + Quoted(QStringLiteral("MIDDLE")) +
           QStringLiteral("><INPUT ID=") + Quoted(QLatin1String(c.id)) +
           QLatin1String(c.titleText) + Quoted(QLatin1String(c.title)) +
           QLatin1String(c.valueText) + Quoted(QLatin1String(c.label)) +
           QLatin1String(c.clickText) + Quoted(QLatin1String(c.action)) + QLatin1Char('>');
}

void PictureRow(PageBuilder& page, std::initializer_list<PictureCell> cells) {
    page.line(u"<TR>");
    for (const PictureCell& c : cells)
        page.line(PictureCellText(c));
}

void ButtonRow(PageBuilder& page, std::initializer_list<ButtonCell> cells) {
    page.line(u"<TR>");
    for (const ButtonCell& c : cells)
        page.line(ButtonCellText(c));
    page.line(u"</TR>");
}
} // namespace

QString ViewLauncherTable(const SlideShowProject&) {
    PageBuilder page;
    page.lines({u"<CENTER>", u"<FORM>", u"<TABLE>"});
    PictureRow(page, {{"javascript:OpenWindow('pix/slideshw.htm');", "pix/ssbc.jpg",
                       "Slide Show (Buttons and Captions)"},
                      {"javascript:OpenWindow('pix/ssbnoc.htm');", "pix/ssbnoc.jpg",
                       "Slide Show (Buttons, No Captions)"},
                      {"javascript:OpenWindow('pix/ssnobnoc.htm');", "pix/ssnobnoc.jpg",
                       "Slide Show (No Buttons, No Captions)"}});
    ButtonRow(page, {{"btnEnter", "display slide show", "Buttons and Captions",
                      "OpenWindow('pix/slideshw.htm')"},
                     {"btnNoCaps", "display slide show with NoCaptions", "Buttons, No Captions ",
                      "OpenWindow('pix/ssbnoc.htm')"},
                     {"btnNoCapNoBut", "display slide show with NoCaptions or No Buttons",
                      "No Buttons, No Captions", "OpenWindow('pix/ssnobnoc.htm')",
                      " TYPE=BUTTON TITLE= "}});
    PictureRow(page, {{"javascript:OpenTitleViewWindow('pix/catalog.htm');", "pix/catalog.jpg",
                       "Catalog View"},
                      {"javascript:OpenTitleViewWindow('pix/frmleft.htm');", "pix/fraleft.jpg",
                       "Frames Left View"},
                      {"javascript:OpenTitleViewWindow('pix/frmright.htm');", "pix/fraright.jpg",
                       "Frames Right View"}});
    const ButtonCell catalog{"btnCatalog",
                             "display Catalog view",
                             "Catalog",
                             "OpenTitleViewWindow('pix/catalog.htm')",
                             " TYPE=BUTTON TITLE=",
                             " VALUE= "};
    const ButtonCell left{"btnfrmleft",          "display thumbnail pics frame on left",
                          "Frames Left View",    "OpenTitleViewWindow('pix/frmleft.htm')",
                          " TYPE=BUTTON TITLE=", " VALUE=",
                          "  onClick="};
    ButtonRow(page, {catalog,
                     left,
                     {"btnfrmright", "display thumbnail pics frame on right", "Frames Right View",
                      "OpenTitleViewWindow('pix/frmright.htm')"}});
    page.lines({u"</TABLE>", u"<HR><BR><BR>"});
    page.line(
        QStringLiteral("<CENTER><INPUT TYPE=") + Quoted(QStringLiteral("button")) +
        QStringLiteral(" name=") + Quoted(QStringLiteral("open")) + QStringLiteral(" value=") +
        Quoted(QStringLiteral("Press to start the Applet Slide Show")) + QStringLiteral(" title=") +
        Quoted(QStringLiteral("Click for slide show")) + QStringLiteral(" onClick=") +
        Quoted(QStringLiteral("OpenAppletWindow('pix/appletss.htm')")) +
        QStringLiteral("></CENTER>"));
    page.line(QStringLiteral("<HR COLOR=") + Quoted(QStringLiteral("GREEN")) +
              QStringLiteral(" SIZE=5>"));
    return std::move(page).text();
}
