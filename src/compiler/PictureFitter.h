#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

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

// Makes the copies of pictures that the show cannot take as they are: scaled
// down to fit a box, keeping their proportions and format, and pictures of
// the formats written as JPEG (IsWrittenAsJpeg) converted, fitted or not. The
// compile calls it from worker threads, several pictures at a time.
class PictureFitter {
public:
    virtual ~PictureFitter() = default;
    // An empty box fits nothing: only the pictures written as JPEG change.
    virtual FittedPicture fit(const QString& source, QSize box) const = 0;
};
