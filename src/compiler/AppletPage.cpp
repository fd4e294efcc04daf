#include "compiler/AppletPage.h"

#include "compiler/PageHeadParts.h"
#include "compiler/PageText.h"
#include "compiler/PixNames.h"
#include "project/SlideShowProject.h"

#include <utility>

namespace {
// The applet's display settings; the project has no say in them.
constexpr std::pair<const char16_t*, const char16_t*> kFixedParameters[] = {
    {u"userinterface", u"standardui"},
    {u"standardui.maincolor", u"E0E0E0"},
    {u"standardui.usepausebutton", u"no"},
    {u"standardui.innerborderwidth", u"2"},
    {u"standardui.middleborderwidth", u"12"},
    {u"standardui.outerborderwidth", u"4"},
    {u"transtime", u"8000"},
    {u"timeout", u"120000"},
    {u"pause", u"2000"},
    {u"minframenr", u"150"},
    {u"bgcolor", u"000000"},
    {u"fxmod0", u"brushfxmod"},
    {u"fxmod1", u"zoomfxmod"},
    {u"fxmod2", u"blackholefxmod"},
    {u"fxmod3", u"unseenwindsfxmod"},
    {u"fxmod4", u"origamifxmod"},
    {u"fxmod5", u"liquidfxmod"},
};

QString Parameter(const QString& name, const QString& value) {
    return QStringLiteral("<PARAM name=") + Quoted(name) + QStringLiteral(" value=") +
           QuotedAttribute(value) + QLatin1Char('>');
}
} // namespace

QString AppletPage(const SlideShowProject& p, const QDateTime& createdOn) {
    PageBuilder page;
    AppendHeadOpening(page, p, createdOn, ContactOrder::HomePageFirst);
    page.line();
    page.line(QStringLiteral("<script language = ") + Quoted(QStringLiteral("JavaScript")) +
              QLatin1Char('>'));
    page.lines({u"function asktoclose() {", u"    var quit = false;",
                u"    quit = confirm(\"Are you sure you want to quit?\");", u"    if(quit==true)",
                u"        window.close();", u"   }", u"</script>", u"</HEAD>", u"<BODY>"});
    page.line(QStringLiteral("<BODY BGCOLOR=") + Quoted(QStringLiteral("BLACK")) +
              QStringLiteral(" onClick=") + Quoted(QStringLiteral("asktoclose()")) +
              QLatin1Char('>'));
    AppendSongLine(page, p);
    page.line(u"<CENTER>");
    page.line(QStringLiteral("<FONT COLOR=") + Quoted(QStringLiteral("#00FFDD")) +
              QStringLiteral(" FACE=") + Quoted(QStringLiteral("Cosmic Sans MS")) +
              QStringLiteral(" SIZE=") + Quoted(QStringLiteral("7")) + QLatin1Char('>') +
              HtmlText(p.settings.TitleMessage) + QStringLiteral("</FONT>"));
    page.lines({u"</CENTER>", u"<CENTER>"});
    page.line(QStringLiteral("<APPLET CODE=") + Quoted(QStringLiteral("photoalbum.class")) +
              QStringLiteral(" ARCHIVE=") + Quoted(QStringLiteral("photo.jar")) +
              QStringLiteral(" WIDTH=550 HEIGHT=450>"));
    for (const auto& [name, value] : kFixedParameters)
        page.line(Parameter(QString::fromUtf16(name), QString::fromUtf16(value)));
    // Parameters count from 0, the copied pictures from 1.
    for (int i = 0; i < p.SlideCount(); ++i)
        page.line(Parameter(QStringLiteral("image") + IntText(i), PixPictureName(p, i + 1)));
    page.lines({u"</APPLET>", u"</CENTER>", u"</BODY>", u"</HTML>"});
    return std::move(page).text();
}
