#pragma once

#include <QtGlobal>

// Numbers that several parts of the tool must agree on.

// The most slides a show holds.
inline constexpr qint16 kMaxSlides = 1000;
// The picture sorter is offered while the show has at most this many slides.
inline constexpr int kSorterSlideLimit = 100;
// The auto-run delay box and its scroll bar, in seconds.
inline constexpr int kMinDelaySeconds = 3;
inline constexpr int kMaxDelaySeconds = 59;
// A show is compiled from this many slides on.
inline constexpr int kMinSlidesToCompile = 3;
// The largest show or recovery file read: far above the largest show, 1000
// slides with long captions. A larger one is refused before it is read.
inline constexpr qint64 kMaxShowFileBytes = 256 * 1024 * 1024;

// The whole numbers the stored settings and show files hold for the show-wide
// counters. The settings read a value outside them as the default; a show
// file holding one is refused. Both readers take them from here, so a show
// saved with any value the settings gave opens again.
struct StoredRange {
    int low;
    int high;
};
inline constexpr StoredRange kStoredDelayRange{3, 99};
inline constexpr StoredRange kStoredSkipRange{1, 32767};
