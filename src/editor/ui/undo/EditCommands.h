#pragma once

#include "editor/ui/undo/EditHistory.h"
#include "project/ShowChange.h"

#include <QUndoCommand>
#include <memory>

// An edit already made to the show: undo puts back what it changed, redo
// makes it again. The first redo, when the command is pushed, finds the
// edit made.
class ShowEditCommand : public QUndoCommand {
public:
    ShowEditCommand(EditHistory& history, SlideShowProject& project, ShowChange change,
                    const QString& text);

    void undo() override;
    void redo() override;

protected:
    // Slide edits bring their slide into view; show-wide ones leave the
    // preview where it is.
    virtual bool MovesPreview() const { return true; }
    // Consecutive edits of one value as a single step.
    bool MergeChange(const QUndoCommand* other);

private:
    EditHistory& history;
    SlideShowProject& project;
    ShowChange change;
    bool made = true;
};

// The command for one kind of edit.
std::unique_ptr<QUndoCommand> MakeEditCommand(EditKind kind, EditHistory& history,
                                              SlideShowProject& project, ShowChange change);

// Two slides swapped in the picture sorter; swapping again undoes it.
class SwapPicturesCommand : public QUndoCommand {
public:
    SwapPicturesCommand(EditHistory& history, SlideShowProject& project, int a, int b);
    void undo() override { Swap(); }
    void redo() override;

private:
    void Swap();

    EditHistory& history;
    SlideShowProject& project;
    int a;
    int b;
    bool made = true;
};
