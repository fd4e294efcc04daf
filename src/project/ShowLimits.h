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
