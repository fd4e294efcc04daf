#pragma once

#include "project/ShowLimits.h"
#include "project/ShowSettings.h"

#include <QString>
#include <QtGlobal>
#include <variant>

// How a show value is held in a show file's "settings".
enum class ShowValueKind {
    Text,
    TextOrNumber, // a number is taken as its text
    Number,       // a whole number from low to high
    Boolean,
    OnOff, // true/false, or the number 1/0
    Path,  // stored relative to the show file where it can be
    Color,
};

// The show's own values as a show file's "settings" holds them: the key,
// the field, how it is held and, for numbers, the numbers it may hold. The
// show file's reader and its writer both follow this table, and so do the
// user's settings for the values they remember; the compile choices
// (CompileChoices.h) and the button colours follow their own.
//
// Adding a show value: a field with its default in ShowSettings, and one line
// here.
struct ShowValue {
    const char* name;
    // The key under which the user's settings remember the value for new
    // shows (StoredSettings.h); nullptr when it is not remembered.
    const char* stored;
    ShowValueKind kind;
    std::variant<QString ShowSettings::*, qint16 ShowSettings::*, bool ShowSettings::*,
                 ColorValue ShowSettings::*>
        field;
    qint16 low = 0;
    qint16 high = 0;
};

inline constexpr ShowValue kShowValues[] = {
    {"FontInUse", "FontInUse", ShowValueKind::Text, &ShowSettings::FontInUse},
    {"FontSizeInUse", "FontSizeInUse", ShowValueKind::TextOrNumber, &ShowSettings::FontSizeInUse},
    {"NumSecDelay", "NumSecDelay", ShowValueKind::Number, &ShowSettings::NumSecDelay,
     kStoredDelayRange.low, kStoredDelayRange.high},
    {"AmountOfSlidesFFRev", "AmountOfSlidesFFRev", ShowValueKind::Number,
     &ShowSettings::AmountOfSlidesFFRev, kStoredSkipRange.low, kStoredSkipRange.high},
    {"UseColTrueUsePicFalse", "UseColTrueUsePicFalse", ShowValueKind::Boolean,
     &ShowSettings::UseColTrueUsePicFalse},
    {"SameBkColorEverySlide", "SameBkColorEverySlide", ShowValueKind::Boolean,
     &ShowSettings::SameBkColorEverySlide},
    {"optIntBkImgOptionForm", "optIntBkImgOptionForm", ShowValueKind::Number,
     &ShowSettings::optIntBkImgOptionForm, 0, 1},
    {"Flashing", "Flashing", ShowValueKind::OnOff, &ShowSettings::Flashing, 0, 1},
    {"SongPath", nullptr, ShowValueKind::Path, &ShowSettings::SongPath},
    {"OpenPgBkPic", "OpenPgBkPic", ShowValueKind::Path, &ShowSettings::OpenPgBkPic},
    {"NewBkPicture", nullptr, ShowValueKind::Path, &ShowSettings::NewBkPicture},
    {"CaptionFrameColor", "picCapFrameColor", ShowValueKind::Color,
     &ShowSettings::CaptionFrameColor},
    {"CaptionForeColor", "picCapForeColor", ShowValueKind::Color, &ShowSettings::CaptionForeColor},
    {"CaptionBackColor", "txtCaptionBackColor", ShowValueKind::Color,
     &ShowSettings::CaptionBackColor},
    {"NewSlideBackColor", "lblNewBkGnd", ShowValueKind::Color, &ShowSettings::NewSlideBackColor},
};
