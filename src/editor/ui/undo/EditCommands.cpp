#include "editor/ui/undo/EditCommands.h"

#include "sorter/SwapSlots.h"

ShowEditCommand::ShowEditCommand(EditHistory& history, SlideShowProject& project, ShowChange change,
                                 const QString& text)
    : QUndoCommand(text), history(history), project(project), change(std::move(change)) {}

void ShowEditCommand::undo() {
    change.Undo(project);
    int slide = 0;
    if (MovesPreview()) {
        // The slide the edit changed; for pictures added, the last slide
        // left before them.
        slide = change.FirstChangedSlide(false);
        if (slide == 0)
            slide = project.SlideCount();
    }
    history.Applied(slide);
}

void ShowEditCommand::redo() {
    if (std::exchange(made, false))
        return;
    change.Redo(project);
    history.Applied(MovesPreview() ? change.CurrentAfter() : 0);
}

bool ShowEditCommand::MergeChange(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const ShowEditCommand*>(other);
    if (!next || other->id() != id())
        return false;
    change = change.Then(next->change);
    // Back where it started: the step is dropped.
    setObsolete(change.IsEmpty());
    return true;
}

namespace {
// The kinds of edit. Each names itself in the Edit menu ("Undo Caption").

class AddPicturesCommand : public ShowEditCommand {
public:
    AddPicturesCommand(EditHistory& h, SlideShowProject& p, ShowChange c)
        : ShowEditCommand(h, p, std::move(c), QStringLiteral("Add Picture(s)")) {}
};

class ReplacePictureCommand : public ShowEditCommand {
public:
    ReplacePictureCommand(EditHistory& h, SlideShowProject& p, ShowChange c)
        : ShowEditCommand(h, p, std::move(c), QStringLiteral("Change Picture")) {}
};

class DeletePictureCommand : public ShowEditCommand {
public:
    DeletePictureCommand(EditHistory& h, SlideShowProject& p, ShowChange c)
        : ShowEditCommand(h, p, std::move(c), QStringLiteral("Delete Picture")) {}
};

class CaptionCommand : public ShowEditCommand {
public:
    CaptionCommand(EditHistory& h, SlideShowProject& p, ShowChange c)
        : ShowEditCommand(h, p, std::move(c), QStringLiteral("Caption")) {}
};

class CaptionColorsCommand : public ShowEditCommand {
public:
    CaptionColorsCommand(EditHistory& h, SlideShowProject& p, ShowChange c)
        : ShowEditCommand(h, p, std::move(c), QStringLiteral("Caption Colours")) {}
};

class SlideBackgroundCommand : public ShowEditCommand {
public:
    SlideBackgroundCommand(EditHistory& h, SlideShowProject& p, ShowChange c)
        : ShowEditCommand(h, p, std::move(c), QStringLiteral("Background")) {}
};

// Show-wide edits: the preview stays on its slide.
class ShowWideCommand : public ShowEditCommand {
public:
    using ShowEditCommand::ShowEditCommand;

protected:
    bool MovesPreview() const override { return false; }
};

class ShowColorsCommand : public ShowWideCommand {
public:
    ShowColorsCommand(EditHistory& h, SlideShowProject& p, ShowChange c)
        : ShowWideCommand(h, p, std::move(c), QStringLiteral("Colours")) {}
};

class SongCommand : public ShowWideCommand {
public:
    SongCommand(EditHistory& h, SlideShowProject& p, ShowChange c)
        : ShowWideCommand(h, p, std::move(c), QStringLiteral("Song")) {}
};

class CaptionFontCommand : public ShowWideCommand {
public:
    CaptionFontCommand(EditHistory& h, SlideShowProject& p, ShowChange c)
        : ShowWideCommand(h, p, std::move(c), QStringLiteral("Caption Font")) {}
};

// Every notch of the scroll bar changes the delay; a run of them is one
// step.
class DelayCommand : public ShowWideCommand {
public:
    DelayCommand(EditHistory& h, SlideShowProject& p, ShowChange c)
        : ShowWideCommand(h, p, std::move(c), QStringLiteral("Delay")) {}
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override { return MergeChange(other); }
};

// Everything one visit to the options window changed, its reset and the
// skip amount included.
class OptionsChangeCommand : public ShowWideCommand {
public:
    OptionsChangeCommand(EditHistory& h, SlideShowProject& p, ShowChange c)
        : ShowWideCommand(h, p, std::move(c), QStringLiteral("Options")) {}
};
} // namespace

std::unique_ptr<QUndoCommand> MakeEditCommand(EditKind kind, EditHistory& h, SlideShowProject& p,
                                              ShowChange c) {
    switch (kind) {
    case EditKind::AddPictures:
        return std::make_unique<AddPicturesCommand>(h, p, std::move(c));
    case EditKind::ReplacePicture:
        return std::make_unique<ReplacePictureCommand>(h, p, std::move(c));
    case EditKind::DeletePicture:
        return std::make_unique<DeletePictureCommand>(h, p, std::move(c));
    case EditKind::Caption:
        return std::make_unique<CaptionCommand>(h, p, std::move(c));
    case EditKind::CaptionColors:
        return std::make_unique<CaptionColorsCommand>(h, p, std::move(c));
    case EditKind::SlideBackground:
        return std::make_unique<SlideBackgroundCommand>(h, p, std::move(c));
    case EditKind::ShowColors:
        return std::make_unique<ShowColorsCommand>(h, p, std::move(c));
    case EditKind::Song:
        return std::make_unique<SongCommand>(h, p, std::move(c));
    case EditKind::CaptionFont:
        return std::make_unique<CaptionFontCommand>(h, p, std::move(c));
    case EditKind::Delay:
        return std::make_unique<DelayCommand>(h, p, std::move(c));
    case EditKind::Options:
        return std::make_unique<OptionsChangeCommand>(h, p, std::move(c));
    }
    return nullptr;
}

SwapPicturesCommand::SwapPicturesCommand(EditHistory& history, SlideShowProject& project, int a,
                                         int b)
    : QUndoCommand(QStringLiteral("Swap Pictures")), history(history), project(project), a(a),
      b(b) {}

void SwapPicturesCommand::redo() {
    if (!std::exchange(made, false))
        Swap();
}

void SwapPicturesCommand::Swap() {
    SwapSlides(project, a, b);
    history.Applied(qMin(a, b) + 1);
}
