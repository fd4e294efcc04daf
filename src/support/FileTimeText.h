#pragma once

#include <QDateTime>
#include <QString>

// Formats a local date and time with the pattern letters of the tool's date
// texts: d, dd, ddd, dddd (day, padded, short and long weekday name), m, mm,
// mmm, mmmm (month; after an hour it means the minute), yy, yyyy, h, hh, n,
// nn, s, ss, and AM/PM or am/pm, which also switches the hours to 12. Any
// other character stands for itself. "m/d/yy h:nn:ss AM/PM" gives
// "3/5/02 2:07:09 PM".
QString FormatFileTime(const QDateTime& local, const QString& pattern);
