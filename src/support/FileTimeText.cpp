#include "support/FileTimeText.h"

#include <array>

namespace {
// English names, as the pattern letters are English too.
const std::array<const char*, 12> kMonths = {"January",   "February", "March",    "April",
                                             "May",       "June",     "July",     "August",
                                             "September", "October",  "November", "December"};
const std::array<const char*, 7> kDays = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                          "Friday", "Saturday", "Sunday"};

QString Padded(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// How many times the letter repeats from position i on.
qsizetype RunLength(const QString& pattern, qsizetype i) {
    qsizetype n = 1;
    while (i + n < pattern.size() && pattern.at(i + n).toLower() == pattern.at(i).toLower())
        ++n;
    return n;
}

bool StartsAt(const QString& pattern, qsizetype i, const char* token) {
    return pattern.mid(i, qsizetype(qstrlen(token)))
               .compare(QLatin1String(token), Qt::CaseInsensitive) == 0;
}
} // namespace

QString FormatFileTime(const QDateTime& local, const QString& pattern) {
    const QDate date = local.date();
    const QTime time = local.time();
    const bool twelveHours = pattern.contains(QLatin1String("AM/PM"), Qt::CaseInsensitive);
    QString out;
    bool afterHour = false;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern.at(i).toLower();
        if (StartsAt(pattern, i, "AM/PM")) {
            const bool upper = pattern.at(i).isUpper();
            const QString mark = time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM");
            out += upper ? mark : mark.toLower();
            i += 5;
            continue;
        }
        const qsizetype n = RunLength(pattern, i);
        if (c == QLatin1Char('d')) {
            if (n >= 4)
                out += QLatin1String(kDays[std::size_t(date.dayOfWeek() - 1)]);
            else if (n == 3)
                out += QLatin1String(kDays[std::size_t(date.dayOfWeek() - 1)]).left(3);
            else
                out += n == 2 ? Padded(date.day()) : QString::number(date.day());
            i += std::min<qsizetype>(n, 4);
        } else if (c == QLatin1Char('m') && afterHour && n <= 2) {
            out += n == 2 ? Padded(time.minute()) : QString::number(time.minute());
            i += n;
        } else if (c == QLatin1Char('m')) {
            if (n >= 4)
                out += QLatin1String(kMonths[std::size_t(date.month() - 1)]);
            else if (n == 3)
                out += QLatin1String(kMonths[std::size_t(date.month() - 1)]).left(3);
            else
                out += n == 2 ? Padded(date.month()) : QString::number(date.month());
            i += std::min<qsizetype>(n, 4);
        } else if (c == QLatin1Char('y')) {
            out += n >= 4 ? QString::number(date.year()) : Padded(date.year() % 100);
            i += n >= 4 ? 4 : std::min<qsizetype>(n, 2);
        } else if (c == QLatin1Char('h')) {
            int hour = time.hour();
            if (twelveHours)
                hour = hour % 12 == 0 ? 12 : hour % 12;
            out += n >= 2 ? Padded(hour) : QString::number(hour);
            i += std::min<qsizetype>(n, 2);
            afterHour = true;
            continue;
        } else if (c == QLatin1Char('n') || c == QLatin1Char('s')) {
            const int value = c == QLatin1Char('n') ? time.minute() : time.second();
            out += n >= 2 ? Padded(value) : QString::number(value);
            i += std::min<qsizetype>(n, 2);
        } else {
            out += pattern.at(i);
            ++i;
            // Separators between the hour and a minute "m" keep the hour's
            // reading of it.
            if (c == QLatin1Char(':') || c == QLatin1Char(' '))
                continue;
        }
        afterHour = false;
    }
    return out;
}
