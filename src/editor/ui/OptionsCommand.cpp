#include "editor/ui/OptionsCommand.h"

#include "editor/ui/ColorWorkbench.h"
#include "editor/ui/MainWindow.h"
#include "editor/ui/OptionsWindow.h"
#include "editor/ui/SlideEditing.h"
#include "editor/ui/undo/EditHistory.h"

#include <QLineEdit>
#include <QPushButton>

OptionsCommand::OptionsCommand(MainWindow& f, SlideEditing& e, ColorWorkbench& c)
    : form(f), editing(e), colors(c) {
    connect(form.ui.cmdShowOptForm, &QPushButton::clicked, this, &OptionsCommand::showOptions);
}

OptionsHooks OptionsCommand::hooks() {
    return {[this] { form.FillBackgrounds(0); }, [this] { editing.AddSinglePic(); },
            [this](const QString& caption) { form.ShowCaptionText(caption); },
            [this] { ProjectReset(); }};
}

void OptionsCommand::showOptions() {
    // The options can replace every caption, or the whole show.
    form.CommitPendingEdit();
    // One step however the window closes: its changes apply as they are made.
    const EditStep step(form.history(), EditKind::Options);
    OptionsWindow window(form.project(), form.prompter(), hooks(), &form);
    window.exec();
    // The main window is active again: what the options left pending
    // applies now, whether or not the window system reports the activation.
    colors.windowActivated();
}

void OptionsCommand::LoadAndUnload() {
    OptionsWindow window(form.project(), form.prompter(), hooks(), &form);
    window.done(QDialog::Accepted);
}

void OptionsCommand::ProjectReset() {
    form.ShowCaptionText({});
    // With no slide left this shows "Picture #0", hides the picture and
    // refreshes every counter and command that follows the slide list.
    form.ShowCurrentSlide();
    form.update();
}
