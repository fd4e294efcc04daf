#include "publish/ui/PublishFromWindow.h"

#include "platform/FailureKeepingFileSystem.h"
#include "platform/LocalFileSystem.h"
#include "platform/Prompter.h"
#include "project/SlideShowProject.h"
#include "publish/PublishTexts.h"
#include "publish/Publisher.h"
#include "publish/RemoteSetup.h"
#include "publish/StagingCompile.h"
#include "publish/ui/PublishDialog.h"
#include "publish/ui/PublishProgressWindow.h"
#include "publish/ui/RemoteForm.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {
const QString kTitle = QStringLiteral("Publish Show");

void Tell(Prompter& ui, const QString& text) {
    ui.messageBox({text, kTitle, MsgButtons::Ok, MsgIcon::Critical, std::nullopt});
}

// Asks where to publish; nullopt when cancelled.
std::optional<PublishTarget> AskTarget(const PublishTarget& target, PublishWindowContext& c) {
    QString error;
    const auto remotes = ListRemotes(c.rclone, error);
    if (!remotes) {
        Tell(c.ui, error);
        return std::nullopt;
    }
    PublishDialog dialog(
        target, *remotes,
        [&c]() -> std::optional<QString> {
            RemoteForm form(c.rclone, c.ui, c.window);
            if (form.exec() != QDialog::Accepted)
                return std::nullopt;
            return form.details().name;
        },
        c.window);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.target();
}

struct Staging {
    QString path;
    ~Staging() {
        if (!path.isEmpty())
            QDir(path).removeRecursively();
    }
};
} // namespace

ShowChange::KeptAnswers PublishFromWindow(const SlideShowProject& show, PublishWindowContext& c) {
    ShowChange::KeptAnswers kept = ShowChange::KeptAnswers::Of(show);
    auto target = AskTarget(kept.publish, c);
    if (!target)
        return kept;
    kept.publish = *target;

    Staging staging{MakeStagingFolder(c.cacheFolder)};
    if (staging.path.isEmpty()) {
        Tell(c.ui, QStringLiteral("No staging folder could be made in %1.").arg(c.cacheFolder));
        return kept;
    }
    LocalFileSystem local;
    FailureKeepingFileSystem fs(local);
    const StagingResult compiled = CompileForPublish(show, c.host, fs, c.programFolder,
                                                     QDateTime::currentDateTime(), staging.path);
    // The names the compile was answered, with the target chosen here.
    const PublishTarget chosen = kept.publish;
    kept = compiled.compile.answers;
    kept.publish = chosen;
    const auto& staged = compiled.staged;
    if (!staged)
        return kept;
    // The copy errors were shown as they came; a show with files missing
    // would replace a complete one on the remote.
    const bool incomplete =
        compiled.compile.outcome == CompileOutcome::Incomplete ||
        std::any_of(fs.failures().begin(), fs.failures().end(), [](const auto& f) {
            return f.operation == u"copy" || f.operation == u"write";
        });
    if (incomplete &&
        c.ui.messageBox({QStringLiteral("Some files could not be put into the show. Publish it "
                                        "without them?"),
                         kTitle, MsgButtons::YesNo, MsgIcon::Exclamation, MsgResult::No}) !=
            MsgResult::Yes)
        return kept;

    const bool player =
        QFileInfo::exists(QDir(staged->folder).filePath(QStringLiteral("index.html")));
    for (;;) {
        Publisher publisher(c.rclone, {staged->folder, staged->openingPage, kept.publish.remote,
                                       kept.publish.path});
        PublishProgressWindow window(publisher,
                                     AddressesOf(kept.publish.address,
                                                 QFileInfo(staged->folder).fileName(),
                                                 staged->openingPage, player),
                                     c.window);
        publisher.start();
        window.exec();
        if (!window.anotherPathWanted())
            break;
        target = AskTarget(kept.publish, c);
        if (!target)
            break;
        kept.publish = *target;
    }
    return kept;
}
