#include "compiler/PageText.h"
#include "compiler/ScriptLibrary.h"

// Browser detection and the small helpers; the text is the same for every show.
QString ScriptBrowser(const SlideShowProject&) {
    PageBuilder b;
    b.line().line();
    b.lines({
        u"function hasbutscaps(b,c) {",
        u"    buts = b;",
        u"    caps = c;",
        u"    var useragent = navigator.userAgent;",
        u"    if(useragent.indexOf(\"Opera\") != -1)",
        u"        bName = 'Opera';",
        u"    else",
        u"        bName = navigator.appName;",
        u"    var pos = useragent.indexOf(\"MSIE\");",
        u"    if(pos != -1)",
        u"        bVer = useragent.substring(pos + 5, useragent.indexOf(\";\", pos));",
        u"    pos = useragent.indexOf(\"Opera\");",
        u"    if(pos != -1)",
        u"        bVer = useragent.substring(pos + 6, useragent.indexOf(\" \", pos));",
        u"    if(bName == \"Netscape\")",
        u"        bVer = useragent.substring(8, useragent.indexOf(\" \", 8));",
        u"    if(bName == \"Netscape\" && parseInt(navigator.appVersion) >= 5)",
        u"        bVer = useragent.substring(useragent.lastIndexOf(\"/\") + 1);",
        u"    browsercompatible = (bName == \"Microsoft Internet Explorer\" && bVer >= 5.5);",
        u"}",
        u"",
        u"function goRainbow() {",
        u"    if(bName == \"Microsoft Internet Explorer\")",
        u"        startRainbow();",
        u"}",
        u"",
        u"function randomNum(n) {",
        u"    return Math.floor(Math.random()*(n+1));",
        u"}",
        u"    //-->",
    });
    return std::move(b).text();
}
