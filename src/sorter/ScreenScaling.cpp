#include "sorter/ScreenScaling.h"

#include <QtMath>

std::optional<ScreenFactors> ResolutionFactors(QSize screen) {
    if (screen == QSize(800, 600) || screen.isEmpty())
        return std::nullopt;
    const int height = screen.height() >= 601 ? screen.height() + 25 : screen.height();
    return ScreenFactors{screen.width() / 800.0, height / 600.0};
}

QRect ScaledGeometry(QRect design, ScreenFactors f, ScaleRule rule) {
    const int left = qRound(design.x() * f.x);
    const int top = qRound(design.y() * f.y);
    switch (rule) {
    case ScaleRule::KeepSize:
        return {left, top, design.width(), design.height()};
    case ScaleRule::KeepHeight:
        return {left, top, qRound(design.width() * f.x), design.height()};
    case ScaleRule::PlaceAndSize:
        break;
    }
    return {left, top, qRound(design.width() * f.x), qRound(design.height() * f.y)};
}
