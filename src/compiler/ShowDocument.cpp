#include "compiler/ShowDocument.h"

#include "compiler/ShowFileWriter.h"
#include "platform/RegularFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

QString ShowDocument::DisplayName() const {
    return path.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(path).fileName();
}

QByteArray ShowDocument::Json(const SlideShowProject& project, const QString& programFolder) const {
    const QString folder = path.isEmpty() ? QString() : QFileInfo(path).absolutePath();
    return ShowFileJson(project, folder, kept, programFolder);
}

QByteArray ShowDocument::Snapshot(const SlideShowProject& project) {
    return ShowFileJson(project, QString());
}

void ShowDocument::MarkSaved(const SlideShowProject& project) {
    saved = Snapshot(project);
}

bool ShowDocument::IsModified(const SlideShowProject& project) const {
    return Snapshot(project) != saved;
}

namespace {
QByteArray Digest(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}
} // namespace

void ShowDocument::MarkOnDisk(const QByteArray& bytes) {
    onDisk = Digest(bytes);
}

bool ShowDocument::ChangedOnDisk() const {
    if (onDisk.isEmpty() || path.isEmpty())
        return false;
    QFile file;
    // A file that has gone holds nothing to lose; one that cannot be read
    // is left to the save to report.
    if (!OpenRegularFile(file, path))
        return false;
    return Digest(file.readAll()) != onDisk;
}

QByteArray ShowDocument::RecoveryJson(const SlideShowProject& project) const {
    const QJsonObject show = QJsonDocument::fromJson(ShowFileJson(project, {}, kept)).object();
    return QJsonDocument(
               QJsonObject{{QStringLiteral("recoveryOf"), path}, {QStringLiteral("show"), show}})
        .toJson();
}

std::optional<RecoveredShow> ReadRecovery(const QByteArray& json, const ShowFileContext& where) {
    const QJsonObject top = QJsonDocument::fromJson(json).object();
    if (!top.value(u"show").isObject())
        return std::nullopt;
    const QString path = top.value(u"recoveryOf").toString();
    auto read = ReadShow(top.value(u"show").toObject(), QDir::homePath(), QString(), where);
    if (auto* show = std::get_if<LoadedShow>(&read))
        return RecoveredShow{std::move(*show), path};
    return std::nullopt;
}

void TakeLoadedShow(SlideShowProject& project, const LoadedShow& show) {
    const ShowSettings tool = project.settings;
    project = show.project;
    ShowSettings& s = project.settings;
    s.UseColorTool = tool.UseColorTool;
    s.SoundOn = tool.SoundOn;
    s.ToolTipsOn = tool.ToolTipsOn;
    s.MusicDir = tool.MusicDir;
    s.DirectoryLastOpenned = tool.DirectoryLastOpenned;
    s.ActiveColor = tool.ActiveColor;
    s.TitleMessage = show.answers.TitleMessage.value_or(QString());
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
