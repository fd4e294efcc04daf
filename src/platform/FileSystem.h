#pragma once

#include <QByteArray>
#include <QString>

// File-system calls of a compile run, behind one interface so tests can make
// any step fail. LocalFileSystem does the real work.

enum class FsError {
    None,
    AlreadyExists, // the directory to create is there already
    PathNotFound,  // a parent folder or the source file is missing
    AccessDenied,
    Other,
};

struct FsResult {
    FsError error = FsError::None;
    QString reason; // the system's own description of the failure
    int code = 0;   // the system's error number (errno), 0 when none

    bool ok() const { return error == FsError::None; }
    static FsResult success() { return {}; }
};

// What kind of medium holds a directory: optical discs are refused as CD-ROM,
// removable block devices as "floppy".
enum class DriveType { Fixed, CdRom, Removable, Network, Unknown };

// How long names and paths may be on a file system, in bytes of the encoded
// name: a name at most nameMax, a path shorter than pathMax.
struct NameLimits {
    long nameMax = 255;
    long pathMax = 4096;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Creates one directory; an existing one is an error.
    virtual FsResult createDirectory(const QString& path) = 0;
    // Copies one file, replacing nothing: the destination is new.
    virtual FsResult copyFile(const QString& from, const QString& to) = 0;
    // The same as copyFile, but a hard link where both names lie on one file
    // system (nothing copied): for files no one writes again, such as the
    // cache's clips.
    virtual FsResult linkOrCopyFile(const QString& from, const QString& to) {
        return copyFile(from, to);
    }
    // Leaves a copied file writable by its owner (a read-only source stays
    // editable in the show).
    virtual FsResult makeOwnerWritable(const QString& path) = 0;
    virtual DriveType driveType(const QString& directory) = 0;
    // Creates or truncates the file and writes the bytes; a write that fails
    // leaves no partial file.
    virtual FsResult writeFile(const QString& path, const QByteArray& bytes) = 0;
    // The limits of the file system that holds `directory`; the common ones
    // where it cannot tell.
    virtual NameLimits nameLimits(const QString& directory) {
        (void)directory;
        return {};
    }
};
