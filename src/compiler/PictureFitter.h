#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

// What became of one picture offered for fitting.
struct FittedPicture {
    enum class Kind {
        Unchanged,   // within the box, unreadable, or of a format kept as it is: copy it
        Fitted,      // `bytes` hold the scaled-down copy, in the picture's own format
        Undecodable, // the file is there but its picture could not be decoded
    };
    Kind kind = Kind::Unchanged;
    QByteArray bytes;
};

// Scales pictures down to fit a box, keeping their proportions and format.
// The compile calls it from worker threads, several pictures at a time.
class PictureFitter {
public:
    virtual ~PictureFitter() = default;
    virtual FittedPicture fit(const QString& source, QSize box) const = 0;
};
