#include "document/ShowDocument.h"

#include "document/ShowEditCommand.h"

ShowDocument::ShowDocument(QObject* parent) : QObject(parent) {
    stack.setUndoLimit(kUndoSteps);
    connect(&stack, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit modifiedChanged(!clean); });
}

ShowDocument::~ShowDocument() {
    stack.blockSignals(true);
}

void ShowDocument::Apply(ShowEdit edit) {
    if (edit.change.IsEmpty())
        return;
    // The command may merge into the one before it and be gone after the push.
    const ShowChange change = edit.change;
    stack.push(new ShowEditCommand(*this, std::move(edit)));
    emit applied(change);
    emit changed();
}

void ShowDocument::Change(EditKind kind, const std::function<void(SlideShowProject&)>& edit,
                          quint64 mergeKey) {
    SlideShowProject after = current;
    edit(after);
    Apply(MakeEdit(kind, ShowChange::Between(current, after), mergeKey));
}

void ShowDocument::KeepAnswers(const ShowChange::KeptAnswers& answers) {
    Change(EditKind::KeptAnswers, [&answers](SlideShowProject& show) { answers.PutInto(show); });
}

void ShowDocument::Restart(bool unsaved) {
    stack.clear();
    // An empty stack keeps its clean state through clear(): a show restored
    // unsaved would stay so after a new one replaced it.
    if (unsaved)
        stack.resetClean();
    else
        stack.setClean();
    emit changed();
}

void ShowDocument::MarkSaved() {
    stack.setClean();
}

void ShowDocument::Stepped(int slide) {
    emit stepped(slide);
    emit changed();
}
