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
// show file's reader and its writer both follow this table; the compile
// choices (CompileChoices.h) and the button colours follow their own.
//
// Adding a show value: a field with its default in ShowSettings, and one line
// here.
struct ShowValue {
    const char* name;
    ShowValueKind kind;
    std::variant<QString ShowSettings::*, qint16 ShowSettings::*, bool ShowSettings::*,
                 ColorValue ShowSettings::*>
        field;
    qint16 low = 0;
    qint16 high = 0;
};

inline constexpr ShowValue kShowValues[] = {
    {"FontInUse", ShowValueKind::Text, &ShowSettings::FontInUse},
    {"FontSizeInUse", ShowValueKind::TextOrNumber, &ShowSettings::FontSizeInUse},
    {"NumSecDelay", ShowValueKind::Number, &ShowSettings::NumSecDelay, kStoredDelayRange.low,
     kStoredDelayRange.high},
    {"AmountOfSlidesFFRev", ShowValueKind::Number, &ShowSettings::AmountOfSlidesFFRev,
     kStoredSkipRange.low, kStoredSkipRange.high},
    {"UseColTrueUsePicFalse", ShowValueKind::Boolean, &ShowSettings::UseColTrueUsePicFalse},
    {"SameBkColorEverySlide", ShowValueKind::Boolean, &ShowSettings::SameBkColorEverySlide},
    {"optIntBkImgOptionForm", ShowValueKind::Number, &ShowSettings::optIntBkImgOptionForm, 0, 1},
    {"Flashing", ShowValueKind::OnOff, &ShowSettings::Flashing, 0, 1},
    {"SongPath", ShowValueKind::Path, &ShowSettings::SongPath},
    {"OpenPgBkPic", ShowValueKind::Path, &ShowSettings::OpenPgBkPic},
    {"NewBkPicture", ShowValueKind::Path, &ShowSettings::NewBkPicture},
    {"CaptionFrameColor", ShowValueKind::Color, &ShowSettings::CaptionFrameColor},
    {"CaptionForeColor", ShowValueKind::Color, &ShowSettings::CaptionForeColor},
    {"CaptionBackColor", ShowValueKind::Color, &ShowSettings::CaptionBackColor},
    {"NewSlideBackColor", ShowValueKind::Color, &ShowSettings::NewSlideBackColor},
};
