#include "compiler/PageText.h"
#include "compiler/ScriptLibrary.h"
#include "compiler/ScriptParts.h"
#include "project/SlideShowProject.h"

QString ScriptGlobals(const SlideShowProject& p) {
    // Computed in int: the 16-bit delay times 1000 does not fit 16 bits.
    const int delayMs = static_cast<int>(p.settings.NumSecDelay) * 1000;
    PageBuilder b;
    b.lines({u"<!--", u"var place = 0;", u"var stop = 0;", u"var auto = false;"});
    b.line(QStringLiteral("var secdelay = ") + IntText(delayMs) + QStringLiteral(";"));
    b.lines({u"var current = 0;", u"var cnt = 0;", u"var bName;", u"var bVer;", u"var goodnum = 0;",
             u"var buts = false;", u"var caps = false;", u"var browsercompatible = false;",
             u"var x = new Array();"});
    b.append(TransitionTable());
    return std::move(b).text();
}
