#pragma once

#include "project/ColorValue.h"

#include <QDir>
#include <QString>
#include <QStringView>
#include <algorithm>
#include <array>

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

// The names the preferences go by among a show's settings, where a show file
// from elsewhere may carry them: they are the reader's tool's, not the
// show's, so a show file's are ignored.
inline bool IsToolPreferenceName(QStringView name) {
    static constexpr std::array<const char*, 6> kNames{
        "UseColorTool", "SoundOn", "ToolTipsOn", "MusicDir", "DirectoryLastOpenned", "ActiveColor"};
    return std::any_of(kNames.begin(), kNames.end(),
                       [name](const char* known) { return name == QLatin1String(known); });
}
