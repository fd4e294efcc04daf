#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

// Slide files as the windows show them. A picture is shown as the picture
// engine shows it (ShownPictures); a video clip as its poster (the frame at
// 0.5 s, upright, made once into the user's cache folder) with a play mark
// over it. Content decides which a file is, never its name. Every function
// is safe to call from worker threads.

// Whether the first bytes of `path` announce a video clip (no tool runs).
bool IsClipFile(const QString& path);

// The upright size a slide file is shown at, when it can be shown.
std::optional<QSize> SlideShownSize(const QString& path);

// The slide fitted into `box` (keeping proportions); a null image when it
// cannot be shown.
QImage DecodeSlideToFit(const QString& path, QSize box);
// The slide stretched to exactly `size` (the sorter's thumbnails).
QImage DecodeSlideToSize(const QString& path, QSize size);

// Draws the play mark (a triangle in a round dark badge) over the middle of
// a clip's poster.
void DrawPlayMark(QImage& image);

// What a file offered as a slide turned out to be.
enum class SlideFileCheck {
    Picture,
    Clip,
    Unusable,    // no picture or clip the program shows, or a damaged one
    NoClipTools, // a clip, but ffmpeg and ffprobe are not installed
};

// Checks a file offered as a slide by its content: a picture must decode, a
// clip must be whole (the tools read its first and last frames) and gets
// its poster made.
SlideFileCheck CheckSlideFile(const QString& path);

// The filters of the slide dialogs: pictures and videos, then videos, then
// the picture filters.
QStringList SlideFileFilters();
// The name patterns of the files a dropped folder offers as slides.
QStringList SlideNamePatterns();
