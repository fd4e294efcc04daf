#pragma once

#include "project/ShowChange.h"
#include "project/SlideShowProject.h"
#include "sorter/SwapListener.h"

#include <QObject>
#include <QUndoStack>

class Form1;
class QAction;
class QMenu;

// The kinds of edit the Edit menu takes back, one command class each
// (EditCommands.h).
enum class EditKind {
    AddPictures,
    ReplacePicture,
    DeletePicture,
    Caption,
    CaptionColors,
    SlideBackground,
    ShowColors,
    Song,
    CaptionFont,
    Delay,
    Options,
};

// The show's undo history and the Edit menu. Every command that edits the
// show runs inside an EditStep; when the outermost step ends, what changed
// since the last step (compared with a copy of the show kept for the
// purpose) becomes one command on the stack. Changes other windows make (the
// colour tool, the caption style preview) become a step of their own when
// the main window is next activated or the next step begins. The picture
// sorter reports its swaps one by one (Swapped), each one step.
class EditHistory : public QObject, public SwapListener {
    Q_OBJECT
public:
    static constexpr int kUndoSteps = 200;

    explicit EditHistory(Form1& form);
    // The stack empties as it goes; nobody is told, the window is going too.
    ~EditHistory() override { undoStack.blockSignals(true); }

    QUndoStack& stack() { return undoStack; }
    QMenu* menu() const { return editMenu; }

    // Begins and ends an edit; nested steps are part of the outermost one.
    void Begin(EditKind kind);
    void End();
    // Records what other windows changed, unless an edit is under way.
    void TakeOutsideChanges();
    // Two slides the sorter has just swapped.
    void Swapped(int a, int b) override;

    // The show was replaced (new, opened, restored, or set up at start):
    // nothing to take back.
    void Reset();
    // The show as it is now is the one saved.
    void MarkSaved() { undoStack.setClean(); }

    // The Edit menu's commands: what is typed in a box is stored first.
    void Undo();
    void Redo();

    // Called by the commands after they changed the project: the window
    // shows `slide` (0 keeps the current one) and the copy follows.
    void Applied(int slide);

signals:
    // An undo or redo has put the show back or forward.
    void applied();

private:
    void Record(EditKind kind);
    void BuildMenu();
    void RefreshActions();

    Form1& form;
    QUndoStack undoStack;
    SlideShowProject baseline;
    int depth = 0;
    EditKind outerKind = EditKind::Caption;
    QMenu* editMenu = nullptr;
    QAction* undoAction = nullptr;
    QAction* redoAction = nullptr;
};

// One edit of the show from construction to destruction.
class EditStep {
public:
    EditStep(EditHistory& history, EditKind kind) : history(history) { history.Begin(kind); }
    ~EditStep() { history.End(); }
    EditStep(const EditStep&) = delete;
    EditStep& operator=(const EditStep&) = delete;

private:
    EditHistory& history;
};
