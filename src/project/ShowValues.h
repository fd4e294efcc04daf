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
// user's settings for the values they remember and the options window for
// the controls it names; the compile choices (CompileChoices.h) and the
// button colours follow their own.
//
// Adding a show value: a field with its default in ShowSettings, and one line
// here.
struct ShowValue {
    const char* name;
    // The key under which the user's settings remember the value for new
    // shows (StoredSettings.h); nullptr when it is not remembered.
    const char* stored;
    // The options window's control that shows and sets the value, by its
    // object name (TiedSettings.h); nullptr when the window has none.
    const char* control;
    ShowValueKind kind;
    std::variant<QString ShowSettings::*, qint16 ShowSettings::*, bool ShowSettings::*,
                 ColorValue ShowSettings::*>
        field;
    qint16 low = 0;
    qint16 high = 0;
    // A text's value where neither a show file nor the user's settings give
    // one: a show file's reader starts from it, and so does a first start.
    const char* fallback = nullptr;
};

inline constexpr ShowValue kShowValues[] = {
    // The caption font is the caption style preview's recommended default
    // pair.
    {.name = "FontInUse",
     .stored = "FontInUse",
     .control = nullptr,
     .kind = ShowValueKind::Text,
     .field = &ShowSettings::FontInUse,
     .fallback = "Times New Roman"},
    {.name = "FontSizeInUse",
     .stored = "FontSizeInUse",
     .control = nullptr,
     .kind = ShowValueKind::TextOrNumber,
     .field = &ShowSettings::FontSizeInUse,
     .fallback = "16"},
    {"NumSecDelay", "NumSecDelay", nullptr, ShowValueKind::Number, &ShowSettings::NumSecDelay,
     kStoredDelayRange.low, kStoredDelayRange.high},
    {"AmountOfSlidesFFRev", "AmountOfSlidesFFRev", "VScrollopt", ShowValueKind::Number,
     &ShowSettings::AmountOfSlidesFFRev, kStoredSkipRange.low, kStoredSkipRange.high},
    {"UseColTrueUsePicFalse", "UseColTrueUsePicFalse", nullptr, ShowValueKind::Boolean,
     &ShowSettings::UseColTrueUsePicFalse},
    {"SameBkColorEverySlide", "SameBkColorEverySlide", "optPicBkGndColorOptionFrm",
     ShowValueKind::Boolean, &ShowSettings::SameBkColorEverySlide},
    {"optIntBkImgOptionForm", "optIntBkImgOptionForm", "optBkGndImgOptForm", ShowValueKind::Number,
     &ShowSettings::optIntBkImgOptionForm, 0, 1},
    {"Flashing", "Flashing", "ckFlashing", ShowValueKind::OnOff, &ShowSettings::Flashing, 0, 1},
    {"SongPath", nullptr, nullptr, ShowValueKind::Path, &ShowSettings::SongPath},
    {"OpenPgBkPic", "OpenPgBkPic", "PicBxOpenBkPic", ShowValueKind::Path,
     &ShowSettings::OpenPgBkPic},
    {"NewBkPicture", nullptr, nullptr, ShowValueKind::Path, &ShowSettings::NewBkPicture},
    {"CaptionFrameColor", "picCapFrameColor", nullptr, ShowValueKind::Color,
     &ShowSettings::CaptionFrameColor},
    {"CaptionForeColor", "picCapForeColor", nullptr, ShowValueKind::Color,
     &ShowSettings::CaptionForeColor},
    {"CaptionBackColor", "txtCaptionBackColor", nullptr, ShowValueKind::Color,
     &ShowSettings::CaptionBackColor},
    {"NewSlideBackColor", "lblNewBkGnd", nullptr, ShowValueKind::Color,
     &ShowSettings::NewSlideBackColor},
};

// The fallback of the row that holds `field`, or an empty text.
inline QString FallbackText(QString ShowSettings::*field) {
    for (const ShowValue& value : kShowValues)
        if (const auto* text = std::get_if<QString ShowSettings::*>(&value.field);
            text && *text == field && value.fallback)
            return QString::fromLatin1(value.fallback);
    return {};
}

// A caption font by name and size, as the show's settings hold it.
struct CaptionFont {
    QString name;
    QString size;
};

// The caption font a first start takes when none is stored, and a show file's
// reader when the show names none.
inline CaptionFont DefaultCaptionFont() {
    return {FallbackText(&ShowSettings::FontInUse), FallbackText(&ShowSettings::FontSizeInUse)};
}
