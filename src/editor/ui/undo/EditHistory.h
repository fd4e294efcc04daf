#pragma once

#include "document/ShowDocument.h"
#include "project/SlideShowProject.h"
#include "sorter/SwapListener.h"

#include <QObject>
#include <QtGlobal>

class MainWindow;
class QAction;
class QMenu;
class QUndoStack;

// The kinds of edit the Edit menu takes back, each with its own name there
// ("Undo Caption").
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
    // The names, title, output folder and publish target a compile or a
    // publish keeps with the show.
    KeptAnswers,
};

// The Edit menu over the window's document, and the bridge from the
// window's controls to it. Every command that edits the show runs inside an
// EditStep; when the outermost step ends, what changed since the last step
// becomes one named change of the document. Changes other windows make (the
// colour tool, the caption style preview) become a step of their own when
// the main window is next activated or the next step begins. The picture
// sorter reports its swaps one by one (Swapped), each one step.
class EditHistory : public QObject, public SwapListener {
    Q_OBJECT
public:
    static constexpr int kUndoSteps = ShowDocument::kUndoSteps;

    EditHistory(MainWindow& form, ShowDocument& document);

    QUndoStack& stack() { return document.undoStack(); }
    QMenu* menu() const { return editMenu; }

    // Begins and ends an edit; nested steps are part of the outermost one.
    // Consecutive edits of one kind with the same non-zero `mergeKey` (the
    // same visit to the caption box, the delay) are one step.
    void Begin(EditKind kind, quint64 mergeKey = 0);
    void End();
    // True while an edit is under way.
    bool Editing() const { return depth > 0; }
    // Records what other windows changed, unless an edit is under way.
    void TakeOutsideChanges();
    // Two slides the sorter has just swapped.
    void Swapped(int a, int b) override;

    // The show was replaced (new, opened, restored, or set up at start):
    // nothing to take back. A restored show counts as unsaved.
    void Reset(bool unsaved = false);
    // The show as it is now is the one saved.
    void MarkSaved() { document.MarkSaved(); }

    // The Edit menu's commands: what is typed in a box is stored first.
    void Undo();
    void Redo();

signals:
    // An undo or redo has put the show back or forward.
    void applied();

private:
    void Record(EditKind kind, quint64 mergeKey);
    // The window shows `slide` (0 keeps the current one) after an undo or
    // redo, and the copy follows.
    void Applied(int slide);
    void BuildMenu();
    void RefreshActions();

    MainWindow& form;
    ShowDocument& document;
    // The show as of the last step: what the next step compares with.
    SlideShowProject baseline;
    int depth = 0;
    EditKind outerKind = EditKind::Caption;
    quint64 outerKey = 0;
    QMenu* editMenu = nullptr;
    QAction* undoAction = nullptr;
    QAction* redoAction = nullptr;
};

// One edit of the show from construction to destruction.
class EditStep {
public:
    EditStep(EditHistory& history, EditKind kind, quint64 mergeKey = 0) : history(history) {
        history.Begin(kind, mergeKey);
    }
    ~EditStep() { history.End(); }
    EditStep(const EditStep&) = delete;
    EditStep& operator=(const EditStep&) = delete;

private:
    EditHistory& history;
};
