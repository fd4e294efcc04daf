#pragma once

#include "project/ShowSettings.h"

#include <QStringView>
#include <QtGlobal>
#include <variant>

// The options window's choices for compiling. Each is remembered among the
// tool's preferences (the settings file, read at start and written at exit
// like the other options), so new shows start with it; each show file carries
// its own value in its "settings", and an opened show uses that.
//
// Adding a choice: a field with its default in ShowSettings, and one line
// here. The settings file, the show file's reader and its writer all follow
// this table.
struct CompileChoice {
    // The key in the settings file and in a show file's "settings".
    const char* name;
    // The options window's control that shows and sets the choice, by its
    // object name (TiedSettings.h).
    const char* control;
    std::variant<bool ShowSettings::*, qint16 ShowSettings::*> field;
    // The whole numbers a number may hold.
    qint16 low = 0;
    qint16 high = 0;
};

inline constexpr CompileChoice kCompileChoices[] = {
    {"FitPictures", "ckFitPictures", &ShowSettings::FitPictures},
    {"FitWidth", "txtFitWidth", &ShowSettings::FitWidth, kFitSideMin, kFitSideMax},
    {"FitHeight", "txtFitHeight", &ShowSettings::FitHeight, kFitSideMin, kFitSideMax},
    {"PictureSizes", "ckPictureSizes", &ShowSettings::PictureSizes},
    {"Player", "ckPlayer", &ShowSettings::Player},
    {"SizesCacheMB", "spnSizesCache", &ShowSettings::SizesCacheMB, kSizesCacheMin, kSizesCacheMax},
};

// The choice of that name, or none.
inline const CompileChoice* FindCompileChoice(QStringView name) {
    for (const CompileChoice& choice : kCompileChoices)
        if (name == QLatin1String(choice.name))
            return &choice;
    return nullptr;
}
