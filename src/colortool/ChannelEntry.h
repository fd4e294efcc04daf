#pragma once

#include "project/ColorValue.h"

#include <QChar>
#include <QString>

// The rules of the colour tool's channel boxes: three decimal boxes (0-255)
// and three hexadecimal boxes (00-FF) for red, green and blue.

// A decimal box's text corrected in place: text that is not a number and
// values below 0 become "0", values above 255 become "255"; anything else
// stays as typed.
QString CorrectedDecimalText(const QString& text);
// The channel value of a corrected decimal text, rounded to the nearest
// whole number (halves to even).
int DecimalChannel(const QString& corrected);

// A hexadecimal box's text corrected in place: a single character gets a "0"
// in front, and "", "0" and anything that is not two hexadecimal digits
// become "00".
QString CorrectedHexText(const QString& text);

// The key filter: Backspace, Enter and "." always pass; the decimal boxes
// take the digits, the hexadecimal boxes the digits and A-F (upper case).
bool ChannelKeyAccepted(QChar key, bool hexBox);

// The text colour of the slider sample: white on dark samples, black when
// the blue is strong (200 and up) or red AND green is above 240.
ColorValue SampleTextColor(int red, int green, int blue);

// RRGGBB, red first.
QString RgbHex(ColorValue color);
// "Hex Value (RRGGBB)": the slider sample's caption.
QString SampleCaption(ColorValue color);
