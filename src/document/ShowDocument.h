#pragma once

#include "document/EditKind.h"
#include "document/ShowEdit.h"
#include "project/SlideShowProject.h"

#include <QObject>
#include <QUndoStack>
#include <functional>

// The show of one main window and its undo history. Every change of the show
// is a named step on the stack (Apply), so whoever keeps the show safe (the
// recovery file, the unsaved mark) hears of each one through `changed`,
// whichever window or input made it. "Modified" is the stack away from the
// state last saved.
//
// The side windows (the picture sorter, the colour tool, the caption style
// preview) read the show and change it here, each change a step of its own
// at once; what they keep for themselves (a colour being chosen, a text not
// yet taken) stays in them. Beside the show the document holds the window's
// hand-over flags and the tool's preferences, which are never a change.
class ShowDocument : public QObject {
    Q_OBJECT
public:
    static constexpr int kUndoSteps = 200;

    explicit ShowDocument(QObject* parent = nullptr);
    // The stack empties as it goes; nobody is told, the document is going.
    ~ShowDocument() override;

    const SlideShowProject& show() const { return current; }
    // The main window's working copy: its controls edit the show in place
    // inside an edit step, and the step's end hands what they changed to
    // Apply, which records it and says so.
    SlideShowProject& workingShow() { return current; }

    // Makes the change, as one step of the history, and says so.
    void Apply(ShowEdit edit);
    // Makes `edit` on a copy of the show and applies what it changed as one
    // step of `kind` (none when nothing changed).
    void Change(EditKind kind, const std::function<void(SlideShowProject&)>& edit,
                quint64 mergeKey = 0);
    // Keeps with the show the answers a compile or a publish was given (the
    // names, title, output folder, publish target): one step of their own,
    // none when the show holds them already.
    void KeepAnswers(const ShowChange::KeptAnswers& answers);
    // A merge key no edit has used yet: the changes one window makes under it
    // are one step.
    quint64 NewMergeKey() { return ++lastMergeKey; }

    // The pending hand-overs between the windows and the tool's preferences:
    // no part of the show's history.
    EditorFlags& flags() { return current.flags; }
    ToolPreferences& preferences() { return current.tool; }
    // The show was replaced as a whole (new, opened, restored): the history
    // starts afresh. A restored show counts as `unsaved` until it is saved.
    void Restart(bool unsaved = false);
    // The show as it is now is the one saved.
    void MarkSaved();
    bool IsModified() const { return !stack.isClean(); }
    QUndoStack& undoStack() { return stack; }

signals:
    // The show changed: a step was made, undone or redone, or the show was
    // replaced.
    void changed();
    // A change was applied as a new step (not an undo or redo); the main
    // window shows what another window changed.
    void applied(const ShowChange& change);
    void modifiedChanged(bool modified);
    // An undo or redo put the show back or forward; `slide` is the slide it
    // brings into view, 0 for none.
    void stepped(int slide);

private:
    friend class ShowEditCommand;
    void Stepped(int slide);

    SlideShowProject current;
    QUndoStack stack;
    quint64 lastMergeKey = 0;
};
