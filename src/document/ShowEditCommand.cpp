#include "document/ShowEditCommand.h"

#include "document/ShowDocument.h"

ShowEditCommand::ShowEditCommand(ShowDocument& document, ShowEdit e)
    : QUndoCommand(e.text), document(document), edit(std::move(e)) {}

void ShowEditCommand::undo() {
    edit.change.Undo(document.current);
    int slide = 0;
    if (edit.showsItsSlide) {
        // The slide the edit changed; for pictures added, the last slide
        // left before them.
        slide = edit.change.FirstChangedSlide(false);
        if (slide == 0)
            slide = document.current.SlideCount();
    }
    document.Stepped(slide);
}

void ShowEditCommand::redo() {
    edit.change.Redo(document.current);
    if (std::exchange(pushing, false))
        return;
    document.Stepped(edit.showsItsSlide ? edit.change.CurrentAfter() : 0);
}

bool ShowEditCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const ShowEditCommand*>(other);
    if (!next || next->id() != id() || next->edit.mergeKey != edit.mergeKey)
        return false;
    edit.change = edit.change.Then(next->edit.change);
    // Back where it started: the step is dropped.
    setObsolete(edit.change.IsEmpty());
    return true;
}
