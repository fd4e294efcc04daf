#include "editor/ui/undo/EditHistory.h"

#include "editor/ui/MainWindow.h"
#include "editor/ui/PreviewNavigation.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScopedValueRollback>

EditHistory::EditHistory(MainWindow& form, ShowDocument& document)
    : QObject(&form), form(form), document(document) {
    BuildMenu();
    QUndoStack& undoStack = document.undoStack();
    connect(&undoStack, &QUndoStack::indexChanged, this, &EditHistory::RefreshActions);
    connect(&undoStack, &QUndoStack::cleanChanged, this, &EditHistory::RefreshActions);
    connect(&document, &ShowDocument::stepped, this, &EditHistory::Applied);
    connect(&document, &ShowDocument::applied, this, &EditHistory::TakeApplied);
    RefreshActions();
}

void EditHistory::BuildMenu() {
    QMenuBar* bar = form.menuBar();
    editMenu = new QMenu(QStringLiteral("&Edit"), bar);
    editMenu->setObjectName(QStringLiteral("mnuEdit"));
    bar->insertMenu(form.ui.mnuTools->menuAction(), editMenu);
    undoAction = editMenu->addAction(QStringLiteral("Undo"));
    undoAction->setObjectName(QStringLiteral("mnuUndo"));
    undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redoAction = editMenu->addAction(QStringLiteral("Redo"));
    redoAction->setObjectName(QStringLiteral("mnuRedo"));
    redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    // A text box with the focus takes Ctrl+Z for its own typing before the
    // window's shortcut sees it.
    connect(undoAction, &QAction::triggered, this, &EditHistory::Undo);
    connect(redoAction, &QAction::triggered, this, &EditHistory::Redo);
}

void EditHistory::RefreshActions() {
    const QUndoStack& undoStack = document.undoStack();
    undoAction->setEnabled(undoStack.canUndo());
    redoAction->setEnabled(undoStack.canRedo());
    const QString undoText = undoStack.undoText();
    const QString redoText = undoStack.redoText();
    undoAction->setText(undoText.isEmpty() ? QStringLiteral("Undo")
                                           : QStringLiteral("Undo ") + undoText);
    redoAction->setText(redoText.isEmpty() ? QStringLiteral("Redo")
                                           : QStringLiteral("Redo ") + redoText);
}

void EditHistory::Begin(EditKind kind, quint64 mergeKey) {
    if (depth == 0) {
        outerKind = kind;
        outerKey = mergeKey;
    }
    ++depth;
}

void EditHistory::End() {
    if (depth > 0 && --depth == 0) {
        Record(outerKind, outerKey);
        if (std::exchange(outsideChangePending, false))
            ShowOutsideChange();
    }
}

void EditHistory::Record(EditKind kind, quint64 mergeKey) {
    ShowChange change = ShowChange::Between(baseline, document.show());
    baseline = document.show();
    const QScopedValueRollback own(recording, true);
    document.Apply(MakeEdit(kind, std::move(change), mergeKey));
}

void EditHistory::TakeApplied(const ShowChange& change) {
    if (recording)
        return;
    // The show the window edits has the change already; an edit under way
    // compares with a base that has it too, so the step keeps only its own.
    const QString song = baseline.settings.SongPath;
    change.Redo(baseline);
    outsideSongChanged = outsideSongChanged || baseline.settings.SongPath != song;
    if (depth > 0)
        outsideChangePending = true;
    else
        ShowOutsideChange();
}

void EditHistory::ShowOutsideChange() {
    // Showing the show is no edit of it.
    ++depth;
    form.ShowProjectInWindow(std::exchange(outsideSongChanged, false));
    --depth;
}

void EditHistory::Reset(bool unsaved) {
    baseline = document.show();
    depth = 0;
    outsideChangePending = false;
    document.Restart(unsaved);
}

void EditHistory::Undo() {
    form.CommitPendingEdit();
    document.undoStack().undo();
}

void EditHistory::Redo() {
    form.CommitPendingEdit();
    // A change made since the last undo has already dropped what could be
    // redone.
    document.undoStack().redo();
}

void EditHistory::Applied(int slide) {
    SlideShowProject& project = document.workingShow();
    if (form.navigation().AutoRunning())
        form.navigation().StopAutoRun();
    if (slide > 0)
        project.setCurrentSlide(static_cast<qint16>(slide));
    // Showing the show is no edit of it.
    ++depth;
    form.ShowProjectInWindow(project.settings.SongPath != baseline.settings.SongPath);
    --depth;
    baseline = project;
    emit applied();
}
