#include "editor/ui/PublishWiring.h"

#include "compiler/ui/WindowCompileHost.h"
#include "editor/ui/MainWindow.h"
#include "editor/ui/SongControls.h"
#include "platform/ProgramFolder.h"
#include "publish/ui/PublishFromWindow.h"

#include <QMenu>
#include <QStandardPaths>

void ConnectPublishCommand(MainWindow& window) {
    QMenu* menu = window.ui.mnuFile;
    auto* publish = new QAction(QStringLiteral("Publish Show..."), menu);
    publish->setObjectName(QStringLiteral("mnuPublish"));
    const QList<QAction*> actions = menu->actions();
    const qsizetype at = actions.indexOf(window.ui.mnuFinish);
    menu->insertAction(actions.value(at + 1), publish);
    publish->setEnabled(window.ui.mnuFinish->isEnabled());
    QObject::connect(window.ui.mnuFinish, &QAction::changed, publish,
                     [&window, publish] { publish->setEnabled(window.ui.mnuFinish->isEnabled()); });
    QObject::connect(publish, &QAction::triggered, &window, [&window] {
        window.CommitPendingEdit();
        WindowCompileHost host(&window, window.prompter(), window.ui.PBar1,
                               [&window] { window.song().StopPreview(); });
        PublishWindowContext context{
            &window, window.prompter(), host, ProgramFolder(),
            QStandardPaths::writableLocation(QStandardPaths::CacheLocation)};
        const ShowChange::KeptAnswers kept = PublishFromWindow(window.document().show(), context);
        // The names and the target the publish keeps with the show are one
        // step of its history, when they differ.
        window.document().KeepAnswers(kept);
        window.ShowCurrentSlide();
    });
}
