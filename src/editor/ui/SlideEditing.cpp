#include "editor/ui/SlideEditing.h"

#include "editor/FileFullMessage.h"
#include "editor/ui/FocusMoves.h"
#include "editor/ui/MainWindow.h"
#include "editor/ui/PictureChecks.h"
#include "editor/ui/PictureView.h"
#include "editor/ui/PreviewNavigation.h"
#include "editor/ui/undo/EditHistory.h"
#include "pictures/ui/ShownPictures.h"
#include "platform/FilePaths.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompter.h"
#include "platform/ui/ColorSwatch.h"
#include "project/ColorText.h"
#include "project/ShowLimits.h"
#include "video/ClipTools.h"
#include "video/ui/ShownSlides.h"

#include <QAction>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <utility>

SlideEditing::SlideEditing(MainWindow& f, PreviewNavigation& n) : form(f), navigation(n) {
    MainWindowControls& ui = form.ui;
    connect(ui.cmdAdd, &QPushButton::clicked, this, &SlideEditing::addPictures);
    connect(ui.cmdChangePic, &QPushButton::clicked, this, &SlideEditing::changePicture);
    connect(ui.cmdDelete, &QPushButton::clicked, this, &SlideEditing::deleteSlide);
    connect(ui.cmdAddCaption, &QPushButton::clicked, this, &SlideEditing::storeCaption);
    connect(ui.cmdAllImages, &QPushButton::clicked, this, &SlideEditing::openSorter);
    connect(ui.mnuSortPictures, &QAction::triggered, this, &SlideEditing::openSorter);
    ui.txtCaption->installEventFilter(this);
    connect(ui.txtCaption, &QLineEdit::textChanged, this, &SlideEditing::CaptionTextChanged);
}

bool SlideEditing::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form.ui.txtCaption && FocusMovedWithinWindow(event)) {
        if (event->type() == QEvent::FocusIn)
            captionEntered();
        else
            captionLeft();
    }
    return QObject::eventFilter(watched, event);
}

FileDialogRequest SlideEditing::PictureDialog(const QString& title, bool multiSelect) const {
    const QString& last = form.project().tool.DirectoryLastOpenned;
    FileDialogRequest request;
    request.title = title;
    request.directory = last.isEmpty() ? WithTrailingSeparator(ProgramFolder()) : last;
    // Backgrounds are pictures only; slides may be clips too.
    const EditorFlags& flags = form.project().flags;
    request.filters = flags.PickingBkPicture || flags.OpenPgBkPicChanged ? PictureFileFilters()
                                                                         : SlideFileFilters();
    request.multiSelect = multiSelect;
    return request;
}

EditKind SlideEditing::PendingAddKind() const {
    const EditorFlags& flags = form.project().flags;
    if (ReplacePending)
        return EditKind::ReplacePicture;
    if (flags.OpenPgBkPicChanged)
        return EditKind::Options;
    if (flags.PickingBkPicture)
        return EditKind::SlideBackground;
    return EditKind::AddPictures;
}

void SlideEditing::addPictures() {
    const EditStep step(form.history(), PendingAddKind());
    SlideShowProject& p = form.project();
    SayWhenFull(p.GrowSlots(), form.prompter());
    // Adding takes the show past the sorter's limit.
    form.RefreshSorterAvailability(p.SlideCount() < kSorterSlideLimit);
    if (SingleFilePick || ReplacePending) {
        SingleFilePick = false;
        AddSinglePic();
        return;
    }
    AddUnlessFull([this] { AddMultiplePic(); });
}

DroppedPicturesOutcome SlideEditing::AddDroppedPictures(const QStringList& files) {
    const EditStep step(form.history(), EditKind::AddPictures);
    SlideShowProject& p = form.project();
    SayWhenFull(p.GrowSlots(), form.prompter());
    form.RefreshSorterAvailability(p.SlideCount() < kSorterSlideLimit);
    DroppedPicturesOutcome outcome;
    // Even one picture goes the way of a selection, so its refusal joins the
    // drop's message.
    if (!files.isEmpty())
        AddUnlessFull([&] { AddPictures(files, &outcome); });
    if (outcome.clipsWithoutTools > 0)
        ShowMissingClipTools();
    return outcome;
}

void SlideEditing::AddUnlessFull(const std::function<void()>& add) {
    if (form.project().SlideCount() >= kMaxSlides)
        ShowFileFullMessage(form.prompter());
    else
        add();
    form.RefreshFinishAvailability();
    form.ui.txtCaption->setFocus(Qt::OtherFocusReason);
}

void SlideEditing::AddMultiplePic() {
    AddFiles(form.prompter().openFiles(
        PictureDialog(QStringLiteral("Select your Picture(s) File(s). "), true)));
}

void SlideEditing::AddFiles(const QStringList& files) {
    if (files.isEmpty())
        return;
    if (files.size() == 1)
        AddFirstOfOne(files.front());
    else
        AddPictures(files);
}

void SlideEditing::AddPictures(const QStringList& paths, DroppedPicturesOutcome* collect) {
    SlideShowProject& p = form.project();
    p.tool.DirectoryLastOpenned = WithTrailingSeparator(GetFileDirectory(paths.front()));

    // Every picture is checked on worker threads; the window takes the
    // answers in the dialog's order and decodes only the picture it shows.
    PictureChecks checks(paths);
    QProgressBar& bar = *form.ui.PBar1;
    bar.setRange(0, static_cast<int>(paths.size()));
    bar.setValue(0);
    bar.show();
    QString lastAdded;
    bool toldMissingTools = false;
    for (int i = 0; i < paths.size(); ++i) {
        const qint16 before = p.SlideCount();
        const SlideFileCheck check = checks.check(i);
        if (check == SlideFileCheck::NoClipTools) {
            // Said once for the selection, however many clips it holds.
            if (collect)
                ++collect->clipsWithoutTools;
            else if (!std::exchange(toldMissingTools, true))
                ShowMissingClipTools();
            continue;
        }
        AddOneChecked(paths[i], check != SlideFileCheck::Unusable, collect);
        if (p.SlideCount() != before)
            lastAdded = paths[i];
        form.RefreshSorterAvailability(p.SlideCount() <= kSorterSlideLimit);
        bar.setValue(i + 1);
        if (p.SlideCount() >= kMaxSlides) {
            if (collect)
                collect->leftOut = static_cast<int>(paths.size()) - (i + 1);
            break;
        }
    }
    checks.cancel();
    bar.hide();
    if (!lastAdded.isEmpty()) {
        navigation.ShowPicture(lastAdded);
        ShowBkPictureOf(p.SlideCount() - 1);
    }
}

void SlideEditing::AddOneChecked(const QString& path, bool canShow,
                                 DroppedPicturesOutcome* collect) {
    SlideShowProject& p = form.project();
    SayWhenFull(p.GrowSlots(), form.prompter());
    if (!canShow && collect) {
        collect->refused << path;
        return;
    }
    if (!canShow) {
        form.prompter().inform(QStringLiteral("There was a problem with picture file ") + path +
                                   QStringLiteral(" this file will not be used."),
                               QStringLiteral("File Error"), MsgIcon::Critical);
        return;
    }
    const qint16 n = p.SlideCount();
    form.ShowCaptionText({});
    Slide& slot = p.slot(n);
    slot.PicturePath = path;
    slot.Caption.clear();
    slot.OtherKeys = {};
    if (slot.BkPicture.isEmpty())
        slot.BkPicture = p.settings.NewBkPicture;
    form.ui.cmdChangePic->setEnabled(true);
    form.ui.lblPicSelNum->setText(QString::number(n + 1));
    form.ShowPictureNumber(n + 1);
    p.setSlideCount(static_cast<qint16>(n + 1));
    p.setCurrentSlide(static_cast<qint16>(n + 1));
    form.RefreshPicsLeft();
}

void SlideEditing::AddFirstOfOne(const QString& path) {
    SlideShowProject& p = form.project();
    p.tool.DirectoryLastOpenned = GetFileDirectory(path);
    if (RefuseClipWithoutTools(path))
        return;
    if (!ShowInImage1(path)) {
        ShowSingleFileError();
        return;
    }
    const qint16 n = p.SlideCount();
    form.ShowCaptionText({});
    p.slot(n).PicturePath = path;
    ShowBkPictureOf(n);
    form.ui.cmdChangePic->setEnabled(true);
    form.ui.txtCaption->setFocus(Qt::OtherFocusReason);
    form.ui.lblPicSelNum->setText(QString::number(n + 1));
    form.ShowPictureNumber(n + 1);
    SayWhenFull(p.AppendPicture(path), form.prompter());
    form.RefreshPicsLeft();
}

void SlideEditing::AddSinglePic() {
    const QStringList files =
        form.prompter().openFiles(PictureDialog(QStringLiteral("Select a Picture File"), false));
    if (files.isEmpty()) {
        // A cancelled pick is no pick: a pending replacement or background
        // pick must not take over the next, unrelated dialog.
        ReplacePending = false;
        form.project().flags.PickingBkPicture = false;
        form.project().flags.OpenPgBkPicChanged = false;
        return;
    }
    PickOutFileNameFromPath(files.front());
}

void SlideEditing::PickOutFileNameFromPath(const QString& path) {
    SlideShowProject& p = form.project();
    EditorFlags& flags = p.flags;
    p.tool.DirectoryLastOpenned = GetFileDirectory(path);
    // A pick that fails stores nothing and ends whatever it was pending for,
    // so the next Add or Change Picture does what its button says.
    const auto fail = [&] {
        ReplacePending = false;
        flags.PickingBkPicture = false;
        flags.OpenPgBkPicChanged = false;
        ShowSingleFileError();
    };
    if (!flags.OpenPgBkPicChanged && !flags.PickingBkPicture) {
        if (RefuseClipWithoutTools(path)) {
            ReplacePending = false;
            return;
        }
        if (!ShowInImage1(path))
            return fail();
        form.ui.cmdChangePic->setEnabled(true);
        if (ReplacePending) {
            const int current = p.CurrentSlide();
            Slide& slide = p.slide(current);
            slide.PicturePath = path;
            ReplacePending = false;
            // The box shows the slide's own caption rather than an empty
            // text, so leaving the box keeps the caption.
            form.ShowCaptionText(slide.Caption);
            form.SetCaptionBoxColors(StoredColorValue(slide.CapBackColor),
                                     StoredColorValue(slide.CapForeColor));
            form.ui.txtCaption->setFocus(Qt::OtherFocusReason);
            form.ui.lblPicSelNum->setText(QString::number(p.SlideCount()));
            form.ShowPictureNumber(current);
            ShowBkPictureOf(current - 1);
        }
        form.RefreshPicsLeft();
    } else if (flags.PickingBkPicture && !flags.OpenPgBkPicChanged) {
        // Checked before it is stored: the slides and the swatch keep
        // showing the same picture.
        if (!CanAddPicture(path))
            return fail();
        p.settings.NewBkPicture = path;
        p.slide(p.CurrentSlide()).BkPicture = path;
        form.FillBackgrounds(0);
        form.ui.ImageBk->load(path);
        form.ui.picBackPicture->load(path);
        flags.PickingBkPicture = false;
    } else {
        if (!CanAddPicture(path))
            return fail();
        p.settings.OpenPgBkPic = path;
        flags.OpenPgBkPicChanged = false;
    }
}

bool SlideEditing::ShowInImage1(const QString& path) {
    return navigation.ShowPicture(path);
}

void SlideEditing::ShowBkPictureOf(int slot) {
    const SlideShowProject& p = form.project();
    if (!p.settings.UseColTrueUsePicFalse && slot >= 0)
        navigation.ShowBackgroundPicture(p.slot(slot).BkPicture);
}

bool SlideEditing::RefuseClipWithoutTools(const QString& path) {
    if (!IsClipFile(path) || FindClipTools())
        return false;
    ShowMissingClipTools();
    return true;
}

void SlideEditing::ShowMissingClipTools() {
    form.prompter().inform(MissingClipToolsText(), QStringLiteral("Video Clips"),
                           MsgIcon::Exclamation);
}

void SlideEditing::ShowSingleFileError() {
    form.prompter().inform(QStringLiteral("There was a problem with this file, please try again."),
                           QStringLiteral("File Error"), MsgIcon::Critical);
}

void SlideEditing::changePicture() {
    const EditStep step(form.history(), EditKind::ReplacePicture);
    ReplacePending = true;
    SingleFilePick = true;
    addPictures();
}

void SlideEditing::deleteSlide() {
    const EditStep step(form.history(), EditKind::DeletePicture);
    SlideShowProject& p = form.project();
    Prompter& ask = form.prompter();
    if (p.SlideCount() == 0) {
        ask.inform(QStringLiteral("You have no Pictures to delete!"),
                   QStringLiteral("Add some Pictures!"), MsgIcon::Critical);
        return;
    }
    const MsgResult answer = ask.messageBox(
        {QStringLiteral("Delete the picture viewing. Are you sure?"),
         QStringLiteral("Delete Picture?"), MsgButtons::YesNo, MsgIcon::Question, std::nullopt});
    if (answer != MsgResult::Yes)
        return;

    if (p.CurrentSlide() == 0)
        form.ShowCaptionText({});
    p.DeleteCurrentSlide();

    form.ui.lblPicSelNum->setText(QString::number(p.SlideCount()));
    // The caption box takes the colours of the slide now shown, or leaving
    // it would write the deleted slide's colours into that slide.
    const Slide& now = p.slide(p.CurrentSlide());
    form.SetCaptionBoxColors(StoredColorValue(now.CapBackColor),
                             StoredColorValue(now.CapForeColor));
    if (p.slot(0).PicturePath.isEmpty()) {
        form.ui.Image1->hide();
        form.ui.cmdChangePic->setEnabled(false);
        form.ShowPictureNumber(0);
    } else {
        const Slide& shown = p.slide(p.CurrentSlide());
        if (!navigation.ShowPicture(shown.PicturePath))
            form.ui.Image1->clear();
        form.ui.cmdChangePic->setEnabled(true);
        form.ShowCaptionText(shown.Caption);
        form.ui.lblNewBkGnd->setColor(StoredColorValue(shown.PicBackColor));
        form.ShowPictureNumber(p.CurrentSlide());
    }
    form.RefreshPicsLeft();
    form.RefreshSorterAvailability(p.SlideCount() <= kSorterSlideLimit);
    form.RefreshFinishAvailability();
}

void SlideEditing::storeCaption() {
    // The caption is stored: what is typed next is a step of its own.
    ++captionVisit;
    const EditStep step(form.history(), EditKind::Caption);
    SlideShowProject& p = form.project();
    p.slot(qMax(0, p.CurrentSlide() - 1)).Caption = form.ui.txtCaption->text();
    form.ui.txtCaption->setFocus(Qt::OtherFocusReason);
}

void SlideEditing::CaptionTextChanged(const QString& text) {
    // An edit under way stores the box itself.
    if (form.FillingCaption() || form.history().Editing())
        return;
    SlideShowProject& p = form.project();
    const int slot = qMax(0, p.CurrentSlide() - 1);
    if (p.slot(slot).Caption == text)
        return;
    const EditStep step(form.history(), EditKind::Caption,
                        (captionVisit << 16) | static_cast<quint64>(slot + 1));
    p.slot(slot).Caption = text;
}

void SlideEditing::captionEntered() {
    ++captionVisit;
    // After a mouse press has placed the cursor, so the selection stays.
    QTimer::singleShot(0, form.ui.txtCaption, &QLineEdit::selectAll);
}

void SlideEditing::captionLeft() {
    ++captionVisit;
    const EditStep step(form.history(), EditKind::Caption);
    form.project().StoreCaption(form.ui.txtCaption->text(), form.CaptionBoxBackColor(),
                                form.CaptionBoxForeColor());
}

void SlideEditing::openSorter() {
    // The sorter reads the captions, and the box is refilled when it closes.
    form.CommitPendingEdit();
    if (form.seams.openSorter)
        form.seams.openSorter();
}
