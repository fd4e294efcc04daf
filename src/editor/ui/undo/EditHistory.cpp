#include "editor/ui/undo/EditHistory.h"

#include "editor/ui/MainWindow.h"
#include "editor/ui/PreviewNavigation.h"
#include "sorter/SwapSlots.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {
// How each kind of edit is named in the Edit menu, and whether undoing it
// brings its slide into view (show-wide edits leave the preview where it is).
struct KindLook {
    const char* text;
    bool showsItsSlide;
};
constexpr KindLook kKinds[] = {
    {"Add Picture(s)", true},    // AddPictures
    {"Change Picture", true},    // ReplacePicture
    {"Delete Picture", true},    // DeletePicture
    {"Caption", true},           // Caption
    {"Caption Colours", true},   // CaptionColors
    {"Background", true},        // SlideBackground
    {"Colours", false},          // ShowColors
    {"Song", false},             // Song
    {"Caption Font", false},     // CaptionFont
    {"Delay", false},            // Delay
    {"Options", false},          // Options
    {"Names and Folder", false}, // KeptAnswers
};
static_assert(std::size(kKinds) == static_cast<std::size_t>(EditKind::KeptAnswers) + 1);

ShowEdit MakeEdit(EditKind kind, ShowChange change, quint64 mergeKey) {
    const KindLook& look = kKinds[static_cast<std::size_t>(kind)];
    return {QString::fromLatin1(look.text), std::move(change),
            mergeKey != 0 ? static_cast<int>(kind) : -1, mergeKey, look.showsItsSlide};
}

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
    if (change.ChangesAnswers() && !change.ChangesSettings())
        return EditKind::KeptAnswers;
    return EditKind::ShowColors;
}
} // namespace

EditHistory::EditHistory(MainWindow& form, ShowDocument& document)
    : QObject(&form), form(form), document(document) {
    BuildMenu();
    QUndoStack& undoStack = document.undoStack();
    connect(&undoStack, &QUndoStack::indexChanged, this, &EditHistory::RefreshActions);
    connect(&undoStack, &QUndoStack::cleanChanged, this, &EditHistory::RefreshActions);
    connect(&document, &ShowDocument::stepped, this, &EditHistory::Applied);
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
        TakeOutsideChanges();
        outerKind = kind;
        outerKey = mergeKey;
    }
    ++depth;
}

void EditHistory::End() {
    if (depth > 0 && --depth == 0)
        Record(outerKind, outerKey);
}

void EditHistory::TakeOutsideChanges() {
    if (depth > 0)
        return;
    ShowChange change = ShowChange::Between(baseline, document.show());
    if (!change.IsEmpty()) {
        const EditKind kind = OutsideKind(change);
        baseline = document.show();
        document.Apply(MakeEdit(kind, std::move(change), 0));
    }
}

void EditHistory::Record(EditKind kind, quint64 mergeKey) {
    ShowChange change = ShowChange::Between(baseline, document.show());
    baseline = document.show();
    document.Apply(MakeEdit(kind, std::move(change), mergeKey));
}

void EditHistory::Swapped(int a, int b) {
    // The show before the swap (swapping again undoes it): what other
    // windows changed before it stays a step of its own.
    SlideShowProject before = document.show();
    SwapSlides(before, a, b);
    ShowChange outside = ShowChange::Between(baseline, before);
    ShowChange swap = ShowChange::Between(before, document.show());
    baseline = document.show();
    if (!outside.IsEmpty()) {
        const EditKind kind = OutsideKind(outside);
        document.Apply(MakeEdit(kind, std::move(outside), 0));
    }
    document.Apply({QStringLiteral("Swap Pictures"), std::move(swap), -1, 0, true});
}

void EditHistory::Reset(bool unsaved) {
    baseline = document.show();
    depth = 0;
    document.Restart(unsaved);
}

void EditHistory::Undo() {
    form.CommitPendingEdit();
    TakeOutsideChanges();
    document.undoStack().undo();
}

void EditHistory::Redo() {
    form.CommitPendingEdit();
    TakeOutsideChanges();
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
