#pragma once

#include <QColor>
#include <QImage>
#include <QStringList>
#include <cstdlib>
#include <string>
#include <utility>

// How far apart two colours are: the sum of their channels' differences.
inline int ColorDistance(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}

// The colours at the middle of each quarter of a picture as it shows, named:
// "red green blue yellow" for the test pictures' Quarters() upright; a
// colour that is none of the five gives its #rrggbb, a see-through one
// "transparent". A standard string, so a failing test prints it.
inline std::string QuarterColors(const QImage& image) {
    const int w = image.width(), h = image.height();
    QStringList names;
    for (QPoint at : {QPoint(w / 4, h / 4), QPoint(3 * w / 4, h / 4), QPoint(w / 4, 3 * h / 4),
                      QPoint(3 * w / 4, 3 * h / 4)}) {
        const QColor c = image.pixelColor(at);
        QString name = c.alpha() < 255 ? QStringLiteral("transparent") : c.name();
        for (const auto& [known, word] : {std::pair{QColor(Qt::red), "red"},
                                          {QColor(Qt::green), "green"},
                                          {QColor(Qt::blue), "blue"},
                                          {QColor(Qt::yellow), "yellow"},
                                          {QColor(Qt::white), "white"}})
            if (c.alpha() == 255 && ColorDistance(c, known) < 90)
                name = QString::fromLatin1(word);
        names << name;
    }
    return names.join(u' ').toStdString();
}
