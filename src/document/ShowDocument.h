#pragma once

#include "document/ShowEdit.h"
#include "project/SlideShowProject.h"

#include <QObject>
#include <QUndoStack>

// The show of one main window and its undo history. Every change of the show
// is a named step on the stack (Apply), so whoever keeps the show safe (the
// recovery file, the unsaved mark) hears of each one through `changed`,
// whichever window or input made it. "Modified" is the stack away from the
// state last saved.
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
    void modifiedChanged(bool modified);
    // An undo or redo put the show back or forward; `slide` is the slide it
    // brings into view, 0 for none.
    void stepped(int slide);

private:
    friend class ShowEditCommand;
    void Stepped(int slide);

    SlideShowProject current;
    QUndoStack stack;
};
