#pragma once

#include "document/ShowFile.h"
#include "project/SlideShowProject.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <optional>

// The show file behind a window's show: its path, what it carried that this
// version does not know, and a digest of its content as last read or written
// here.
class ShowFileState {
public:
    QString path; // empty until the show is first saved or opened
    KeptKeys kept;

    // The file name, or "Untitled" for a show never saved.
    QString DisplayName() const;
    // The project as this file holds it; the program's own
    // pictures in `programFolder` are stored so another install finds its own.
    QByteArray Json(const SlideShowProject& project, const QString& programFolder = {}) const;
    // Remembers the file's content as read or written here, and tells
    // whether the file holds something else now (another window saved over
    // it). A show restored after a crash takes the digest its recovery file
    // kept; when it kept none, the file counts as changed.
    void MarkOnDisk(const QByteArray& bytes);
    void MarkOnDiskDigest(const QByteArray& digest) { onDisk = digest; }
    bool ChangedOnDisk() const;

    // The recovery file's content: the show with absolute paths, the path of
    // the show file it belongs to and the digest of that file as it was last
    // read or written here.
    QByteArray RecoveryJson(const SlideShowProject& project) const;

private:
    QByteArray onDisk; // a digest of the file's content
};

// A recovery file read back: the show and the show file it belonged to.
struct RecoveredShow {
    LoadedShow show;
    QString path;
    QByteArray onDiskDigest; // empty when the recovery file kept none
};
std::optional<RecoveredShow> ReadRecovery(const QByteArray& json, const ShowFileContext& where);

// Puts a show read from a file into the window's project. Preferences of the
// tool itself (tooltips, colour tool, sound, folders, active colour) stay as
// they are; the names last used to compile come from the file.
void TakeLoadedShow(SlideShowProject& project, const LoadedShow& show);
