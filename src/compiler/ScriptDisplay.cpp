#include "compiler/PageText.h"
#include "compiler/PixNames.h"
#include "compiler/ScriptLibrary.h"
#include "compiler/ScriptParts.h"
#include "project/ColorText.h"
#include "project/SlideShowProject.h"

QString ScriptStartDisplay(const SlideShowProject& p) {
    PageBuilder b;
    b.line().line().line(u"function startdisplay()  {");
    QString background;
    switch (BackgroundModeOf(p.settings)) {
    case BackgroundMode::OnePicture:
        background = PixSharedBackgroundName(p);
        break;
    case BackgroundMode::OneColor:
        background = StoredColorToHtml(p.slot(0).PicBackColor);
        break;
    default:
        break;
    }
    if (!background.isEmpty()) {
        b.line(u"    if(bName != \"Netscape\") {");
        b.line(QStringLiteral("        document.body.background = ") + ScriptString(background) +
               QStringLiteral(";"));
        b.line(u"   }");
    }
    b.line(u" }");
    return std::move(b).text();
}

QString ScriptChangeDisplay(const SlideShowProject& p) {
    PageBuilder b;
    b.line().line().line(u"function changedisplay(cnt)  { ");
    b.line(u"    var pcnt = cnt + 1;");
    b.line(u"    window.status = \"Picture #\" + pcnt + \" of \" + picz.length;");

    // A per-slide background is set in Internet Explorer only, and the caption
    // block then sits inside the same browser test.
    bool browserTest = true;
    switch (BackgroundModeOf(p.settings)) {
    case BackgroundMode::PicturePerSlide:
        b.line(u"    if(bName == \"Microsoft Internet Explorer\") {");
        b.line(u"        document.body.background = bkimgz[cnt];");
        break;
    case BackgroundMode::ColorPerSlide:
        b.line(u"    if(bName == \"Microsoft Internet Explorer\") {");
        b.line(u"        document.bgColor = bkcolorz[cnt];");
        break;
    default:
        browserTest = false;
        break;
    }

    const QString in = browserTest ? QStringLiteral("        ") : QStringLiteral("    ");
    const QString in2 = in + QStringLiteral("    ");
    b.line(in + QStringLiteral("if(caps == true) {"));
    b.line(in2 + QStringLiteral("var msg = document.getElementById(\"text\");"));
    b.line(in2 + QStringLiteral("msg.style.textAlign = \"center\";"));
    b.line(in2 + QStringLiteral("msg.style.fontSize = ") + ScriptString(p.settings.FontSizeInUse) +
           QStringLiteral(";"));
    b.line(in2 + QStringLiteral("msg.style.fontFamily = ") + ScriptString(p.settings.FontInUse) +
           QStringLiteral(";"));
    b.line(in2 + QStringLiteral("msg.style.color = TxtForeCol[cnt];"));
    b.line(in2 + QStringLiteral("msg.style.backgroundColor = TxtAreaBkCol[cnt];"));
    b.line(in2 + QStringLiteral("msg.innerText = capz[cnt];"));
    b.line(in + QStringLiteral("}"));
    if (browserTest)
        b.line(u"    }");

    // The picture is set through document.images, which finds it both inside
    // form1 and in "netscape.htm", where it stands outside any form.
    b.lines({
        u"    if(browsercompatible) form1.docimage.style.filter=x[randomNum(x.length - 1)].q;",
        u"    if(!document.images) return;",
        u"    if(browsercompatible) document.form1.docimage.filters[0].apply();",
        u"    document.images[\"docimage\"].src= picz[cnt];",
        u"    if(browsercompatible) document.form1.docimage.filters[0].play();",
        u"}",
    });
    return std::move(b).text();
}
