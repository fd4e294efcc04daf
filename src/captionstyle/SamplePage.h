#pragma once

#include "project/ColorValue.h"

#include <QString>
#include <optional>

// What the caption sample page shows: the show's current colours, the caption
// font and size, and the sample caption.
struct SampleStyle {
    ColorValue pageBackColor = 0; // the new-slide background
    ColorValue frameColor = 0;    // the caption frame
    ColorValue captionTextColor = 0;
    ColorValue captionBoxColor = 0;
    QString font;
    QString size;
    QString caption;
};

// The page's file name in the writable program folder.
inline constexpr const char* kSamplePageName = "~smp~.htm";

// The 32 lines of the sample page, each ending in CR LF, plus the one more
// CR LF the file ends with.
QString SamplePageText(const SampleStyle& style);

// "#000000" on a page background with any of red, green or blue above 170,
// "#FFFFFF" on a darker one: the colour of the hint under the caption box.
QString HintColor(ColorValue pageBackColor);

// Writes the page into `folder`; its path, or nullopt with `error` set (the
// file error's number and description) when it cannot be written.
std::optional<QString> WriteSamplePage(const QString& folder, const SampleStyle& style,
                                       QString& error);
