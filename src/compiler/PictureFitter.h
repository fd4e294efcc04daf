#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include <optional>

// What became of one picture offered for fitting.
struct FittedPicture {
    enum class Kind {
        Unchanged,   // within the box, unreadable, or of a format kept as it is: copy it
        Fitted,      // `bytes` hold the copy the show gets (scaled, or written as JPEG)
        Undecodable, // the file is there but its picture could not be decoded
    };
    Kind kind = Kind::Unchanged;
    QByteArray bytes;
    // The file held several pictures (an animation, pages): `bytes` hold the
    // first.
    bool firstFrameOnly = false;
};

// The smaller sizes written beside every slide picture when a show asks for
// them: a thumbnail twice the size of a 120 x 90 strip cell, and a phone size
// for pictures larger than a phone screen. Both are JPEG.
inline constexpr QSize kThumbBox(240, 180);
inline constexpr QSize kPhoneBox(1280, 1280);
inline constexpr int kSizesJpegQuality = 85;

// What the compile wants of one slide picture.
struct PictureRequest {
    std::optional<QSize> fitBox; // the full copy fitted to this box; none: copied as it is
    bool sizes = false;          // a thumbnail and, when it is larger, a phone size too
};

// Every copy made of one slide picture. Empty bytes: that copy was not made
// (the phone size of a small picture, or any size of a picture that could
// not be decoded).
struct PictureCopies {
    FittedPicture full;
    QByteArray thumb;
    QByteArray phone;
    bool undecodable = false; // the picture is there but could not be decoded
};

// Scales pictures down, keeping their proportions: the full copy fitted to a
// box in its own format, and the smaller JPEG sizes. Pictures of the formats
// written as JPEG (IsWrittenAsJpeg: WebP, TIFF, HEIC) always get their full
// copy as JPEG, fitted or not. The compile calls it from worker threads,
// several pictures at a time.
class PictureFitter {
public:
    virtual ~PictureFitter() = default;
    virtual PictureCopies copies(const QString& source, const PictureRequest& request) const = 0;

    FittedPicture fit(const QString& source, QSize box) const {
        return copies(source, {box, false}).full;
    }
};
