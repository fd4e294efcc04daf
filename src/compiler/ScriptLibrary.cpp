#include "compiler/ScriptLibrary.h"

QString AllCode(const SlideShowProject& p) {
    return ScriptGlobals(p) + ScriptStartDisplay(p) + ScriptChangeDisplay(p) +
           ScriptListsAndKeys(p) + ScriptNavigation(p) + ScriptBrowser(p);
}
