#pragma once

#include <QRect>
#include <QSize>
#include <optional>

// The sorter window is laid out for an 800 x 600 screen; on any other screen
// its controls are scaled by the ratio of the screen to that size.

struct ScreenFactors {
    double x = 1;
    double y = 1;
};

// Nothing on an 800 x 600 screen. Screens 601 pixels high or more count 25
// pixels higher, as the window was first tuned.
std::optional<ScreenFactors> ResolutionFactors(QSize screen);

// How one control scales: most in place and size; the progress bar keeps its
// height, the slider its whole size.
enum class ScaleRule { PlaceAndSize, KeepHeight, KeepSize };

QRect ScaledGeometry(QRect design, ScreenFactors f, ScaleRule rule);
