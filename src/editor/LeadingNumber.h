#pragma once

#include <QString>

// The number a numeric entry box holds: its leading digits, saturated far
// above any range the boxes clamp to (a pasted run of digits can be any
// length); 0 when it starts with no digit.
int LeadingNumber(const QString& text);
