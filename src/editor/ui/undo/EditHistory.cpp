#include "editor/ui/undo/EditHistory.h"

#include "editor/ui/Form1.h"
#include "editor/ui/PreviewNavigation.h"
#include "editor/ui/undo/EditCommands.h"
#include "sorter/SwapSlots.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

namespace {
// What another window's change was, from what it touched.
EditKind OutsideKind(const ShowChange& change) {
    if (change.ChangesFont())
        return EditKind::CaptionFont;
    if (change.ChangesSlideField(&Slide::CapForeColor) ||
        change.ChangesSlideField(&Slide::CapBackColor))
        return EditKind::CaptionColors;
    if (change.ChangesSlideField(&Slide::PicBackColor) ||
        change.ChangesSlideField(&Slide::BkPicture))
        return EditKind::SlideBackground;
    if (change.ChangesSlides())
        return EditKind::Caption;
    return EditKind::ShowColors;
}
} // namespace

EditHistory::EditHistory(Form1& form) : QObject(&form), form(form) {
    undoStack.setUndoLimit(kUndoSteps);
    BuildMenu();
    connect(&undoStack, &QUndoStack::indexChanged, this, &EditHistory::RefreshActions);
    connect(&undoStack, &QUndoStack::cleanChanged, this, &EditHistory::RefreshActions);
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
    undoAction->setEnabled(undoStack.canUndo());
    redoAction->setEnabled(undoStack.canRedo());
    const QString undoText = undoStack.undoText();
    const QString redoText = undoStack.redoText();
    undoAction->setText(undoText.isEmpty() ? QStringLiteral("Undo")
                                           : QStringLiteral("Undo ") + undoText);
    redoAction->setText(redoText.isEmpty() ? QStringLiteral("Redo")
                                           : QStringLiteral("Redo ") + redoText);
}

void EditHistory::Begin(EditKind kind) {
    if (depth == 0) {
        TakeOutsideChanges();
        outerKind = kind;
    }
    ++depth;
}

void EditHistory::End() {
    if (depth > 0 && --depth == 0)
        Record(outerKind);
}

void EditHistory::TakeOutsideChanges() {
    if (depth > 0)
        return;
    const ShowChange change = ShowChange::Between(baseline, form.project());
    if (!change.IsEmpty())
        Record(OutsideKind(change));
}

void EditHistory::Record(EditKind kind) {
    SlideShowProject& project = form.project();
    ShowChange change = ShowChange::Between(baseline, project);
    baseline = project;
    if (!change.IsEmpty())
        undoStack.push(MakeEditCommand(kind, *this, project, std::move(change)).release());
}

void EditHistory::Swapped(int a, int b) {
    // The copy takes the same swap, so changes made before it stay apart.
    SwapSlides(baseline, a, b);
    undoStack.push(new SwapPicturesCommand(*this, form.project(), a, b));
}

void EditHistory::Reset() {
    undoStack.clear();
    baseline = form.project();
    depth = 0;
}

void EditHistory::Undo() {
    form.CommitPendingEdit();
    TakeOutsideChanges();
    undoStack.undo();
}

void EditHistory::Redo() {
    form.CommitPendingEdit();
    TakeOutsideChanges();
    // A change made since the last undo has already dropped what could be
    // redone.
    undoStack.redo();
}

void EditHistory::Applied(int slide) {
    SlideShowProject& project = form.project();
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
