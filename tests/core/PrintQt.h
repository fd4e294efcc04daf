#pragma once

#include "project/Slide.h"

#include <QString>
#include <QStringList>
#include <ostream>

// Readable QString values and slides in test failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const Slide& s, std::ostream* os) {
    *os << '{'
        << QStringList{s.PicturePath,  s.Caption,      s.PicBackColor,
                       s.CapBackColor, s.CapForeColor, s.BkPicture}
               .join(", ")
               .toStdString()
        << '}';
}
