#include "editor/DroppedFilesMessage.h"

#include "project/ShowLimits.h"

#include <QDir>

std::optional<MessageBoxRequest> DroppedFilesMessage(const QStringList& refused,
                                                     const QStringList& notPictures, int leftOut) {
    if (refused.isEmpty() && notPictures.isEmpty() && leftOut <= 0)
        return std::nullopt;
    QStringList said;
    QStringList named;
    // One picture alone is told as the Add command tells it.
    if (refused.size() == 1 && notPictures.isEmpty() && leftOut <= 0)
        said << QStringLiteral("There was a problem with picture file ") +
                    QDir::toNativeSeparators(refused.front()) +
                    QStringLiteral(" this file will not be used.");
    else if (!refused.isEmpty())
        said << QStringLiteral("There was a problem with %1 picture file(s), these files will "
                               "not be used.")
                    .arg(refused.size());
    if (refused.size() > 1 || !notPictures.isEmpty() || leftOut > 0)
        for (const QString& path : refused)
            named << QDir::toNativeSeparators(path);
    if (!notPictures.isEmpty()) {
        said << QStringLiteral("%1 file(s) were not added: pictures (JPEG, PNG, GIF, BMP, WebP, "
                               "TIFF, HEIC, AVIF) and folders of pictures can be dropped together; "
                               "a show file or a song is "
                               "dropped on its own.")
                    .arg(notPictures.size());
        for (const QString& path : notPictures)
            named << QDir::toNativeSeparators(path);
    }
    if (leftOut > 0)
        said << QStringLiteral("%1 more picture(s) were left out: a show holds at most %2 "
                               "pictures.")
                    .arg(leftOut)
                    .arg(kMaxSlides);
    const bool fileError = !refused.isEmpty() || !notPictures.isEmpty();
    return MessageBoxRequest{said.join(QStringLiteral("\n\n")),
                             fileError ? QStringLiteral("File Error")
                                       : QStringLiteral("File is full!"),
                             MsgButtons::Ok,
                             fileError ? MsgIcon::Critical : MsgIcon::Information,
                             std::nullopt,
                             named.join(QLatin1Char('\n'))};
}
