#pragma once

#include <cstdint>

// A colour as the tool holds it: 0x00BBGGRR, red in the lowest byte. Only the
// three low bytes count.
using ColorValue = std::uint32_t;

constexpr ColorValue RgbColor(int red, int green, int blue) {
    return static_cast<ColorValue>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedOf(ColorValue c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(ColorValue c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(ColorValue c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
