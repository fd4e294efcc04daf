#include "compiler/PageText.h"
#include "compiler/PixNames.h"
#include "compiler/ScriptLibrary.h"
#include "compiler/ScriptParts.h"
#include "project/ColorText.h"
#include "project/SlideShowProject.h"

namespace {
const QString& ColorField(const Slide& s, const QString& listName) {
    if (listName == QLatin1String("TxtForeCol"))
        return s.CapForeColor;
    if (listName == QLatin1String("TxtAreaBkCol"))
        return s.CapBackColor;
    return s.PicBackColor;
}

// The entry of slide k (1-based), held in slot k - 1.
QString ListEntry(const SlideShowProject& p, ListKind kind, const QString& listName, int k) {
    const Slide& s = p.slide(k);
    switch (kind) {
    case ListKind::Picture:
        return PixPictureName(p, k);
    case ListKind::BackgroundPicture:
        return PixSlideBackgroundName(p, k);
    case ListKind::Color:
        return StoredColorToHtml(ColorField(s, listName));
    case ListKind::Text:
        return ClassicCaption(s.Caption);
    }
    return {};
}

void WriteKeyCheck(PageBuilder& b, const SlideShowProject& p) {
    const QString step = IntText(p.settings.AmountOfSlidesFFRev);
    b.lines({u"function keycheck() { ", u"    charkey = window.event.keyCode;",
             u"    switch (charkey) { "});
    // Each case line is followed by its commented break line.
    const auto keyCase = [&b](const QString& caseLine, const char* breakLine) {
        b.line(QStringLiteral("        ") + caseLine);
        b.line(QStringLiteral("            ") + QLatin1String(breakLine));
    };
    keyCase(QStringLiteral("case 69:asktoclose();"), "break; //exit");
    keyCase(QStringLiteral("case 72:help();"), "break; //help");
    keyCase(QStringLiteral("case 32:checkIt(1);"), "break; //spacebar");
    keyCase(QStringLiteral("case 8:checkIt(-1);"), "break; //backspace");
    keyCase(QStringLiteral("case 83:togglenobuttons(0);"), "break; //stop");
    keyCase(QStringLiteral("case 65:togglenobuttons(1);"), "break; //auto run");
    keyCase(QStringLiteral("case 70:checkIt(1);"), "break; //forward");
    keyCase(QStringLiteral("case 66:checkIt(-1);"), "break; //back");
    keyCase(QStringLiteral("case 84:checkIt(") + step + QStringLiteral(");"),
            "break; //'t' fast forward");
    keyCase(QStringLiteral("case 82:checkIt(-") + step + QStringLiteral(");"),
            "break; //'r' rewind");
    keyCase(QStringLiteral("default:togglenobuttons(0);"), "break; //stop");
    b.lines({u"    }", u"}"});
}
} // namespace

QString ScriptList(const SlideShowProject& p, ListKind kind, const QString& listName,
                   const QString& constructorName) {
    const QString& f = constructorName;
    const int count = p.SlideCount();
    PageBuilder b;
    b.reserve(count * 24 + 256);
    b.line().line();
    b.line(QStringLiteral("function ") + f + QStringLiteral(" () { "));
    b.line(QStringLiteral("    this.length = ") + f + QStringLiteral(".arguments.length;"));
    b.line(u"    for (var i=0; i < this.length; i++) { ");
    b.line(QStringLiteral("        this[i] = ") + f + QStringLiteral(".arguments[i]; "));
    b.lines({u"  }", u" }", u""});
    b.line(QStringLiteral("var ") + listName + QStringLiteral(" = new ") + f +
           QStringLiteral(" ("));
    for (int k = 1; k <= count; ++k) {
        QString entry = QStringLiteral("    ") + ScriptString(ListEntry(p, kind, listName, k));
        if (k < count)
            entry += QLatin1Char(',');
        b.line(entry);
    }
    b.lines({u");", u"", u""});
    return std::move(b).text();
}

QString ScriptListsAndKeys(const SlideShowProject& p) {
    PageBuilder b;
    b.line().line();
    b.lines({u"function asktoclose() {",
             u"    var quit = confirm(\"Are you sure you want to quit?\");", u"    if(quit==true)",
             u"        window.close();", u"   }"});

    const BackgroundMode mode = BackgroundModeOf(p.settings);
    b.append(ScriptList(p, ListKind::Picture, QStringLiteral("picz"), QStringLiteral("initPics")));
    if (mode == BackgroundMode::ColorPerSlide)
        b.append(ScriptList(p, ListKind::Color, QStringLiteral("bkcolorz"),
                            QStringLiteral("initbkcolor")));
    if (mode == BackgroundMode::PicturePerSlide)
        b.append(ScriptList(p, ListKind::BackgroundPicture, QStringLiteral("bkimgz"),
                            QStringLiteral("initbkpics")));
    b.append(ScriptList(p, ListKind::Text, QStringLiteral("capz"), QStringLiteral("initCaption")));
    b.append(ScriptList(p, ListKind::Color, QStringLiteral("TxtForeCol"),
                        QStringLiteral("initTxtForeCol")));
    b.append(ScriptList(p, ListKind::Color, QStringLiteral("TxtAreaBkCol"),
                        QStringLiteral("initTxtAreaBkCol")));

    WriteKeyCheck(b, p);
    b.line().line();
    b.line(u"function help() { ");
    b.line(u"    alert(\"Use these keys as follows: 'H'(help), 'B'or backspace(back), 'F'or "
           u"spacebar(forward), 'R'(rewind), 'T'(fast forward), 'A'(auto run), 'S'(stop), "
           u"'E'(exit) --- If no reaction to keys when pressed, hit the Tab key then press a "
           u"key\");");
    b.line(u"  }");
    return std::move(b).text();
}
