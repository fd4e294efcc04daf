#pragma once

#include "project/ColorValue.h"

#include <QString>

// Colour text. The project and the settings hold a colour as "&H" followed by
// six upper-case hexadecimal digits in blue-green-red order; pages use "#" and
// red-green-blue; colour scheme files hold six digits in red-green-blue order.

// Six hexadecimal digits, two per byte, upper case: red-green-blue, or
// blue-green-red when `hexInBgrOrder` is set, which this call then clears.
QString ColorToHex(ColorValue value, bool& hexInBgrOrder);
// The stored colour text: "&H" + BBGGRR.
QString StoredColorText(ColorValue value);
// "&HBBGGRR" -> "#RRGGBB"; digits keep their case, missing pieces are empty.
QString StoredColorToHtml(const QString& stored);
// Reads "&HBBGGRR" back into a colour value; bad text gives 0.
ColorValue StoredColorValue(const QString& stored);
