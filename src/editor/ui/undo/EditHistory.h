#pragma once

#include "document/EditKind.h"
#include "document/ShowDocument.h"
#include "project/SlideShowProject.h"

#include <QObject>
#include <QtGlobal>

class MainWindow;
class QAction;
class QMenu;
class QUndoStack;

// The Edit menu over the window's document, and the bridge from the
// window's controls to it. Every command that edits the show runs inside an
// EditStep; when the outermost step ends, what changed since the last step
// becomes one named change of the document. Other windows (the picture
// sorter, the colour tool, the caption style preview) apply their changes to
// the document themselves; the window shows each one at once.
class EditHistory : public QObject {
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
    // Another window applied `change` to the document: the comparison base
    // takes it too, and the window shows it (after the edit under way).
    void TakeApplied(const ShowChange& change);
    void ShowOutsideChange();
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
    // True while this history applies its own step.
    bool recording = false;
    // Another window changed the show during an edit; shown when it ends.
    bool outsideChangePending = false;
    bool outsideSongChanged = false;
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
