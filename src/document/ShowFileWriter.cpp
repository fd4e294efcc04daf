#include "document/ShowFileWriter.h"

#include "document/ShowFile.h"
#include "project/ColorText.h"
#include "project/CompileChoices.h"
#include "project/ShowValues.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

namespace {
QJsonValue Color(ColorValue c) {
    return StoredColorText(c);
}

// Where the show's paths are stored relative to.
struct Folders {
    QString show;
    QString program;
    QString stored(const QString& path) const { return StoredShowPath(path, show, program); }
};

QJsonValue Written(const ShowValue& value, const ShowSettings& s, const Folders& folder) {
    switch (value.kind) {
    case ShowValueKind::Text:
    case ShowValueKind::TextOrNumber:
        return s.*std::get<QString ShowSettings::*>(value.field);
    case ShowValueKind::Path:
        return folder.stored(s.*std::get<QString ShowSettings::*>(value.field));
    case ShowValueKind::Number:
    case ShowValueKind::OnOff:
        return s.*std::get<qint16 ShowSettings::*>(value.field);
    case ShowValueKind::Boolean:
        return s.*std::get<bool ShowSettings::*>(value.field);
    case ShowValueKind::Color:
        return Color(s.*std::get<ColorValue ShowSettings::*>(value.field));
    }
    return {};
}

QJsonObject Settings(const ShowSettings& s, const Folders& folder, const QJsonObject& others) {
    QJsonObject o = others;
    for (const ShowValue& value : kShowValues)
        o.insert(QLatin1String(value.name), Written(value, s, folder));
    for (const CompileChoice& choice : kCompileChoices)
        std::visit([&](auto field) { o.insert(QLatin1String(choice.name), s.*field); },
                   choice.field);
    QJsonArray buttons;
    for (ColorValue c : s.ButtonColors)
        buttons.append(Color(c));
    o.insert(u"ButtonColors", buttons);
    return o;
}

// Text a show may leave blank is written only when it holds something.
void InsertText(QJsonObject& o, QStringView key, const QString& text) {
    if (!text.isEmpty())
        o.insert(key, text);
}

QJsonObject Names(const SlideShowProject& p, const Folders& folder, const QJsonObject& others) {
    QJsonObject o = others;
    InsertText(o, u"FirstPageName", p.names.FirstPageName);
    InsertText(o, u"ShowFolderName", p.names.ShowFolderName);
    InsertText(o, u"TitleMessage", p.settings.TitleMessage);
    // The show folder ends in a separator; the compile picks its parent.
    if (!p.names.OutputFolder.isEmpty()) {
        const QString output = QDir::cleanPath(QDir::fromNativeSeparators(p.names.OutputFolder));
        o.insert(u"Directory", folder.stored(QFileInfo(output).path()));
    }
    return o;
}
} // namespace

QString StoredShowPath(const QString& path, const QString& showFolder,
                       const QString& programFolder) {
    if (path.isEmpty())
        return path;
    const QFileInfo file(QDir::fromNativeSeparators(path));
    if (!programFolder.isEmpty() && IsProgramPicture(file.fileName()) &&
        QDir::cleanPath(file.absolutePath()) ==
            QDir::cleanPath(QDir::fromNativeSeparators(programFolder)))
        return kProgramFolderMark + file.fileName();
    if (showFolder.isEmpty())
        return path;
    const QString relative = QDir(showFolder).relativeFilePath(QDir::fromNativeSeparators(path));
    if (relative.startsWith(QLatin1String("../")) || relative == u".." ||
        QDir::isAbsolutePath(relative))
        return path;
    return relative;
}

QByteArray ShowFileJson(const SlideShowProject& p, const QString& showFolder, const KeptKeys& kept,
                        const QString& programFolder) {
    const Folders folder{showFolder, programFolder};
    QJsonArray slides;
    for (int k = 1; k <= p.SlideCount(); ++k) {
        const Slide& s = p.slide(k);
        QJsonObject slide = s.OtherKeys;
        slide.insert(u"PicturePath", folder.stored(s.PicturePath));
        slide.insert(u"Caption", s.Caption);
        slide.insert(u"PicBackColor", s.PicBackColor);
        slide.insert(u"CapBackColor", s.CapBackColor);
        slide.insert(u"CapForeColor", s.CapForeColor);
        slide.insert(u"BkPicture", folder.stored(s.BkPicture));
        slides.append(slide);
    }
    QJsonObject top = kept.top;
    top.insert(u"format", qMax(kept.format, kShowFileFormat));
    top.insert(u"settings", Settings(p.settings, folder, kept.settings));
    top.insert(u"slides", slides);
    const QJsonObject names = Names(p, folder, kept.compile);
    if (!names.isEmpty())
        top.insert(u"compile", names);
    // Where the show was published; the password stays with rclone.
    QJsonObject publish = kept.publish;
    InsertText(publish, u"remote", p.publish.remote);
    InsertText(publish, u"path", p.publish.path);
    InsertText(publish, u"address", p.publish.address);
    if (!publish.isEmpty())
        top.insert(u"publish", publish);
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

std::optional<QString> SaveFileAtomically(const QString& path, const QByteArray& bytes,
                                          const ChunkWriter& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    constexpr qint64 kChunk = 64 * 1024;
    for (qint64 at = 0; at < bytes.size();) {
        const qint64 size = qMin(kChunk, bytes.size() - at);
        const qint64 written = write ? write(file, bytes.constData() + at, size)
                                     : file.write(bytes.constData() + at, size);
        // A short write (the disk filling up) is tried again for the rest,
        // which fails with the system's reason ("No space left on device").
        if (written > 0) {
            at += written;
            continue;
        }
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason.isEmpty() || reason == u"Unknown error" ? QStringLiteral("write failed")
                                                              : reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}
