#pragma once

#include "compiler/PageText.h"
#include "project/ShowSettings.h"

#include <QString>

// Pieces shared by the writers of allcode.js.

// How the slides get their background. The output folder copies the
// background files by the same decision.
enum class BackgroundMode { OnePicture, PicturePerSlide, OneColor, ColorPerSlide };

inline BackgroundMode BackgroundModeOf(const ShowSettings& s) {
    if (s.UseColTrueUsePicFalse)
        return s.SameBkColorEverySlide ? BackgroundMode::OneColor : BackgroundMode::ColorPerSlide;
    return s.optIntBkImgOptionForm == 1 ? BackgroundMode::PicturePerSlide
                                        : BackgroundMode::OnePicture;
}

// A script string literal holding exactly `text`, whatever the user typed.
inline QString ScriptString(const QString& text) {
    return Quoted(ScriptStringText(text));
}

// The 57 lines " x[i] = {"q":"<filter>"};" of the random transition table.
QString TransitionTable();
