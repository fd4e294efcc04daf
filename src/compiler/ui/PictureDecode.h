#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// One picture file decoded for scaling.
struct DecodedPicture {
    enum class Status {
        Ok,          // decoded, or for PictureInfo a header that reads
        Missing,     // not a regular file
        Undecodable, // a file whose picture cannot be decoded, or past the program's limits
    };
    Status status = Status::Missing;
    // Upright (its EXIF turn applied), with the source's colour space. At
    // least as large as the source fitted into the bound asked for, never
    // larger than the source; often larger than the fitted size, as the
    // decoder scales in steps.
    QImage image;
    QByteArray format; // the reader's name for the file's format: "jpeg", "png", "gif", ...
    QSize size;        // the source's size as shown, after its EXIF turn

    bool ok() const { return status == Status::Ok; }
};

// Reads only the header: the format and the upright size, or a status other
// than Decoded.
DecodedPicture PictureInfo(const QString& path);

// Decodes `path` once, at the smallest scale its decoder offers that still
// covers the source fitted into `bound` (JPEG decodes at 1/2, 1/4 or 1/8 of
// its size; pictures too large for Qt's readers are reduced while they are
// read), so large pictures never take their full size in memory when a
// smaller one is wanted. Animated pictures give their first frame.
DecodedPicture DecodeUpright(const QString& path, QSize bound);
