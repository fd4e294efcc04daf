#pragma once

#include "project/ColorValue.h"

#include <QDir>
#include <QString>
#include <QStringView>
#include <algorithm>
#include <iterator>
#include <variant>

// Preferences of the tool itself, the same whichever show is open: kept in
// the user's settings only, never in a show file, and never a step of a
// show's history.
struct ToolPreferences {
    bool UseColorTool = true;
    bool SoundOn = false;
    bool ToolTipsOn = true;
    QString MusicDir;
    QString DirectoryLastOpenned;
    ColorValue ActiveColor = 0xC100FF;

    // A first start's: the song dialog opens in the user's home folder.
    static ToolPreferences FirstStart(const QString& homeFolder) {
        ToolPreferences p;
        p.MusicDir = QDir::toNativeSeparators(homeFolder);
        return p;
    }

    friend bool operator==(const ToolPreferences&, const ToolPreferences&) = default;
};

// Each preference as the user's settings keep it: the name it goes by among
// a show's settings (where a show file from elsewhere may carry it), the key
// it is stored under, and the field, whose type says how it is stored
// ("True"/"False", text, or a colour as "&H" + BBGGRR). StoredSettings
// follows this table; adding a preference is a field above and one line here.
struct ToolPreference {
    const char* name;
    const char* stored;
    std::variant<bool ToolPreferences::*, QString ToolPreferences::*, ColorValue ToolPreferences::*>
        field;
};

inline constexpr ToolPreference kToolPreferences[] = {
    {"UseColorTool", "optFullOrCondTintara", &ToolPreferences::UseColorTool},
    {"SoundOn", "Sound", &ToolPreferences::SoundOn},
    {"ToolTipsOn", "ckToolTips", &ToolPreferences::ToolTipsOn},
    {"MusicDir", "MusicDir", &ToolPreferences::MusicDir},
    {"DirectoryLastOpenned", "DirectoryLastOpenned", &ToolPreferences::DirectoryLastOpenned},
    {"ActiveColor", "picActiveColor", &ToolPreferences::ActiveColor},
};

// The preferences are the reader's tool's, not the show's, so a show file's
// are ignored.
inline bool IsToolPreferenceName(QStringView name) {
    return std::any_of(
        std::begin(kToolPreferences), std::end(kToolPreferences),
        [name](const ToolPreference& known) { return name == QLatin1String(known.name); });
}
