#include "publish/StagingCompile.h"

#include "platform/FileSystem.h"
#include "project/SlideShowProject.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <utility>

StagingCompileHost::StagingCompileHost(CompileHost& inner, QString directory)
    : inner(inner), ui(inner.prompter()), directory(std::move(directory)) {}

MsgResult StagingCompileHost::messageBox(const MessageBoxRequest& request) {
    if (request.text.startsWith(QLatin1String("        Please take Note:")) ||
        request.title == u"Compiled Successfully")
        return MsgResult::Ok;
    if (request.title == u"View your Slide Show now?")
        return MsgResult::No;
    return ui.messageBox(request);
}

std::optional<QString> StagingCompileHost::inputBox(const InputBoxRequest& r) {
    return ui.inputBox(r);
}

QStringList StagingCompileHost::openFiles(const FileDialogRequest& r) {
    return ui.openFiles(r);
}

QString StagingCompileHost::saveFile(const FileDialogRequest& r) {
    return ui.saveFile(r);
}

QString StagingCompileHost::browseForFolder(const QString&) {
    return directory;
}

std::optional<std::uint32_t> StagingCompileHost::chooseColor(std::uint32_t initial) {
    return ui.chooseColor(initial);
}

std::optional<FontChoice> StagingCompileHost::chooseFont(const FontChoice& initial) {
    return ui.chooseFont(initial);
}

QString MakeStagingFolder(const QString& cacheFolder) {
    const QString root = QDir(cacheFolder).filePath(QStringLiteral("publish"));
    if (!QDir().mkpath(root))
        return {};
    // A publish that was killed leaves its folder; one a day old is nobody's.
    const QDateTime dayAgo = QDateTime::currentDateTime().addDays(-1);
    for (const QFileInfo& old : QDir(root).entryInfoList({QStringLiteral("show-*")}, QDir::Dirs))
        if (old.lastModified() < dayAgo)
            QDir(old.filePath()).removeRecursively();
    QTemporaryDir staging(QDir(root).filePath(QStringLiteral("show-XXXXXX")));
    if (!staging.isValid())
        return {};
    staging.setAutoRemove(false);
    return staging.path();
}

StagingResult CompileForPublish(const SlideShowProject& show, CompileHost& host, FileSystem& fs,
                                const QString& programFolder, const QDateTime& now,
                                const QString& staging) {
    StagingCompileHost stagingHost(host, staging);
    StagingResult r{CompileShow(show, stagingHost, fs, programFolder, now), std::nullopt};
    // The pictures left out are the caller's to judge.
    for (const QString& source : stagingHost.picturesLeftOut())
        host.pictureLeftOut(source);
    ShowChange::KeptAnswers& answers = r.compile.answers;
    const QString compiled = std::exchange(answers.OutputFolder, show.names.OutputFolder);
    if (r.compile.outcome == CompileOutcome::Compiled ||
        r.compile.outcome == CompileOutcome::Incomplete)
        r.staged = StagedShow{QDir::cleanPath(QDir::fromNativeSeparators(compiled)),
                              answers.FirstPageName + QStringLiteral(".htm")};
    return r;
}
