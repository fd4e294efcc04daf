#pragma once

#include "document/ShowEdit.h"

#include <QUndoCommand>

class ShowDocument;

// The one undo command: a named change of the show, made by redo and taken
// back by undo. Consecutive edits of the same value merge into one step, and
// a step that comes back to where it started is dropped.
class ShowEditCommand : public QUndoCommand {
public:
    ShowEditCommand(ShowDocument& document, ShowEdit edit);

    void undo() override;
    void redo() override;
    int id() const override { return edit.mergeId; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    ShowDocument& document;
    ShowEdit edit;
    // The push's own redo: the editor shows the change already.
    bool pushing = true;
};
