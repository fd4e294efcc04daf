#include "document/ShowFileState.h"

#include "document/ShowFileWriter.h"
#include "platform/RegularFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

QString ShowFileState::DisplayName() const {
    return path.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(path).fileName();
}

QByteArray ShowFileState::Json(const SlideShowProject& project,
                               const QString& programFolder) const {
    const QString folder = path.isEmpty() ? QString() : QFileInfo(path).absolutePath();
    return ShowFileJson(project, folder, kept, programFolder);
}

namespace {
QByteArray Digest(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}
} // namespace

void ShowFileState::MarkOnDisk(const QByteArray& bytes) {
    onDisk = Digest(bytes);
}

bool ShowFileState::ChangedOnDisk() const {
    if (path.isEmpty())
        return false;
    QFile file;
    // A file that has gone holds nothing to lose; one that cannot be read
    // is left to the save to report.
    if (!OpenRegularFile(file, path))
        return false;
    // Only a show restored from a recovery file that kept no digest has a
    // file it never saw: what the file holds is unknown, so it is asked.
    return onDisk.isEmpty() || Digest(file.readAll()) != onDisk;
}

QByteArray ShowFileState::RecoveryJson(const SlideShowProject& project) const {
    const QJsonObject show = QJsonDocument::fromJson(ShowFileJson(project, {}, kept)).object();
    QJsonObject top{{QStringLiteral("recoveryOf"), path}, {QStringLiteral("show"), show}};
    if (!onDisk.isEmpty())
        top.insert(QStringLiteral("recoveryOfSha256"), QString::fromLatin1(onDisk.toHex()));
    return QJsonDocument(top).toJson();
}

std::optional<RecoveredShow> ReadRecovery(const QByteArray& json, const ShowFileContext& where) {
    const QJsonObject top = QJsonDocument::fromJson(json).object();
    if (!top.value(u"show").isObject())
        return std::nullopt;
    const QString path = top.value(u"recoveryOf").toString();
    QByteArray digest = QByteArray::fromHex(top.value(u"recoveryOfSha256").toString().toLatin1());
    // Anything but a whole digest counts as none.
    if (digest.size() != QCryptographicHash::hashLength(QCryptographicHash::Sha256))
        digest.clear();
    auto read = ReadShow(top.value(u"show").toObject(), QDir::homePath(), QString(), where);
    if (auto* show = std::get_if<LoadedShow>(&read))
        return RecoveredShow{std::move(*show), path, digest};
    return std::nullopt;
}

void TakeLoadedShow(SlideShowProject& project, const LoadedShow& show) {
    const ToolPreferences tool = project.tool;
    project = show.project;
    project.tool = tool;
    project.settings.TitleMessage = show.answers.TitleMessage.value_or(QString());
    project.flags = EditorFlags{};
    project.names = CompileNames{};
    project.names.FirstPageName = show.answers.FirstPageName.value_or(QString());
    project.names.ShowFolderName = show.answers.ShowFolderName.value_or(QString());
    project.names.FromShow = true;
    if (!show.answers.Directory.isEmpty() && !project.names.ShowFolderName.isEmpty())
        project.names.OutputFolder =
            QDir(show.answers.Directory).filePath(project.names.ShowFolderName) + QLatin1Char('/');
    project.setCurrentSlide(1);
}
