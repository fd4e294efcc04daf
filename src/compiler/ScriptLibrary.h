#pragma once

#include <QString>

class SlideShowProject;

// allcode.js: six sections, concatenated in this order by AllCode.
enum class ListKind { Picture, Color, BackgroundPicture, Text };

QString ScriptGlobals(const SlideShowProject& p);
QString ScriptStartDisplay(const SlideShowProject& p);
QString ScriptChangeDisplay(const SlideShowProject& p);
QString ScriptListsAndKeys(const SlideShowProject& p);
QString ScriptNavigation(const SlideShowProject& p);
QString ScriptBrowser(const SlideShowProject& p);
// One slide list. For ListKind::Color the list name decides the field:
// "bkcolorz" PicBackColor, "TxtForeCol" CapForeColor, "TxtAreaBkCol" CapBackColor.
QString ScriptList(const SlideShowProject& p, ListKind kind, const QString& listName,
                   const QString& constructorName);
// The whole file.
QString AllCode(const SlideShowProject& p);
