#include "compiler/ShowFileWriter.h"

#include "compiler/ShowFile.h"
#include "project/ColorText.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

namespace {
QJsonValue Color(ColorValue c) {
    return StoredColorText(c);
}

QJsonObject Settings(const ShowSettings& s, const QString& folder, const QJsonObject& others) {
    QJsonObject o = others;
    o.insert(u"FontInUse", s.FontInUse);
    o.insert(u"FontSizeInUse", s.FontSizeInUse);
    o.insert(u"NumSecDelay", s.NumSecDelay);
    o.insert(u"AmountOfSlidesFFRev", s.AmountOfSlidesFFRev);
    o.insert(u"UseColTrueUsePicFalse", s.UseColTrueUsePicFalse);
    o.insert(u"SameBkColorEverySlide", s.SameBkColorEverySlide);
    o.insert(u"optIntBkImgOptionForm", s.optIntBkImgOptionForm);
    o.insert(u"Flashing", s.Flashing);
    o.insert(u"FitPictures", s.FitPictures);
    o.insert(u"FitWidth", s.FitWidth);
    o.insert(u"FitHeight", s.FitHeight);
    o.insert(u"PictureSizes", s.PictureSizes);
    o.insert(u"SongPath", StoredShowPath(s.SongPath, folder));
    o.insert(u"OpenPgBkPic", StoredShowPath(s.OpenPgBkPic, folder));
    o.insert(u"NewBkPicture", StoredShowPath(s.NewBkPicture, folder));
    o.insert(u"CaptionFrameColor", Color(s.CaptionFrameColor));
    o.insert(u"CaptionForeColor", Color(s.CaptionForeColor));
    o.insert(u"CaptionBackColor", Color(s.CaptionBackColor));
    o.insert(u"NewSlideBackColor", Color(s.NewSlideBackColor));
    QJsonArray buttons;
    for (ColorValue c : s.ButtonColors)
        buttons.append(Color(c));
    o.insert(u"ButtonColors", buttons);
    return o;
}

QJsonObject Names(const SlideShowProject& p, const QString& folder) {
    QJsonObject o;
    if (!p.names.FirstPageName.isEmpty())
        o.insert(u"FirstPageName", p.names.FirstPageName);
    if (!p.names.ShowFolderName.isEmpty())
        o.insert(u"ShowFolderName", p.names.ShowFolderName);
    if (!p.settings.TitleMessage.isEmpty())
        o.insert(u"TitleMessage", p.settings.TitleMessage);
    // The show folder ends in a separator; the compile picks its parent.
    if (!p.names.OutputFolder.isEmpty()) {
        const QString output = QDir::cleanPath(QDir::fromNativeSeparators(p.names.OutputFolder));
        o.insert(u"Directory", StoredShowPath(QFileInfo(output).path(), folder));
    }
    return o;
}
} // namespace

QString StoredShowPath(const QString& path, const QString& showFolder) {
    if (path.isEmpty() || showFolder.isEmpty())
        return path;
    const QString relative = QDir(showFolder).relativeFilePath(QDir::fromNativeSeparators(path));
    if (relative.startsWith(QLatin1String("../")) || relative == u".." ||
        QDir::isAbsolutePath(relative))
        return path;
    return relative;
}

QByteArray ShowFileJson(const SlideShowProject& p, const QString& showFolder,
                        const QJsonObject& otherSettings) {
    QJsonArray slides;
    for (int k = 1; k <= p.SlideCount(); ++k) {
        const Slide& s = p.slide(k);
        slides.append(
            QJsonObject{{QStringLiteral("PicturePath"), StoredShowPath(s.PicturePath, showFolder)},
                        {QStringLiteral("Caption"), s.Caption},
                        {QStringLiteral("PicBackColor"), s.PicBackColor},
                        {QStringLiteral("CapBackColor"), s.CapBackColor},
                        {QStringLiteral("CapForeColor"), s.CapForeColor},
                        {QStringLiteral("BkPicture"), StoredShowPath(s.BkPicture, showFolder)}});
    }
    QJsonObject top{{QStringLiteral("format"), kShowFileFormat},
                    {QStringLiteral("settings"), Settings(p.settings, showFolder, otherSettings)},
                    {QStringLiteral("slides"), slides}};
    const QJsonObject names = Names(p, showFolder);
    if (!names.isEmpty())
        top.insert(u"compile", names);
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

std::optional<QString> SaveFileAtomically(const QString& path, const QByteArray& bytes,
                                          const ChunkWriter& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    constexpr qint64 kChunk = 64 * 1024;
    for (qint64 at = 0; at < bytes.size(); at += kChunk) {
        const qint64 size = qMin(kChunk, bytes.size() - at);
        const qint64 written = write ? write(file, bytes.constData() + at, size)
                                     : file.write(bytes.constData() + at, size);
        if (written != size) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return reason.isEmpty() || reason == u"Unknown error" ? QStringLiteral("write failed")
                                                                  : reason;
        }
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}
