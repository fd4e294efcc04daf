#include "editor/ui/MainWindow.h"

#include "editor/ui/AutoRunDelay.h"
#include "editor/ui/ColorWorkbench.h"
#include "editor/ui/CommandsOffWhileCompiling.h"
#include "editor/ui/HelpCommands.h"
#include "editor/ui/MainWindowLifecycle.h"
#include "editor/ui/MainWindowTips.h"
#include "editor/ui/OptionsCommand.h"
#include "editor/ui/PictureView.h"
#include "editor/ui/PreviewNavigation.h"
#include "editor/ui/ShowFileCommands.h"
#include "editor/ui/SlideEditing.h"
#include "editor/ui/SongControls.h"
#include "editor/ui/WindowDrops.h"
#include "editor/ui/undo/EditHistory.h"
#include "platform/ProgramFolder.h"
#include "platform/ui/ColorSwatch.h"
#include "project/BackgroundFill.h"
#include "project/ShowLimits.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>

namespace {
// PBar1 as the progress of a background fill.
class ProgressBarFill : public FillProgress {
public:
    explicit ProgressBarFill(QProgressBar& bar) : bar(bar) {}
    void begin(int minimum, int maximum) override {
        bar.setRange(minimum, maximum);
        bar.setValue(minimum);
        bar.show();
    }
    void step(int value) override { bar.setValue(value); }
    void end() override { bar.hide(); }

private:
    QProgressBar& bar;
};
} // namespace

MainWindow::MainWindow(Prompter& prompter, QWidget* parent) : QMainWindow(parent), ask(prompter) {
    ui.setUp(*this);
    // The first block of slots is made before any settings are taken: its
    // slots start with the built-in colours and without a background picture.
    slideShow.GrowSlots();
    slideShow.settings = ShowSettings::FirstStart(ProgramFolder());
    slideShow.tool = ToolPreferences::FirstStart(QDir::homePath());
    SetNewShowChoices(slideShow.settings);

    // Swatches of show-wide colours read and write the settings themselves.
    ShowSettings& s = slideShow.settings;
    ui.picActiveColor->bind(&slideShow.tool.ActiveColor);
    ui.picCapForeColor->bind(&s.CaptionForeColor);
    ui.picCapBackColor->bind(&s.CaptionBackColor);
    ui.picCapFrameColor->bind(&s.CaptionFrameColor);
    ui.lblCaption->bind(&s.CaptionFrameColor);
    ui.picBackColor->bind(&s.NewSlideBackColor);
    for (int i = 0; i < 5; ++i)
        ui.picButBakColor[i]->bind(&s.ButtonColors[static_cast<std::size_t>(i)]);

    connect(ui.mnuAddPictures, &QAction::triggered, this, [this] {
        // The focus stays in the caption box being typed in, which adding
        // empties.
        CommitPendingEdit();
        ui.cmdAdd->click();
    });
    connect(ui.mnuFinish, &QAction::triggered, ui.cmdFinish, &QPushButton::click);
    connect(ui.mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(ui.mnuOptions, &QAction::triggered, ui.cmdShowOptForm, &QPushButton::click);
    connect(ui.cmdFinish, &QPushButton::clicked, this, [this] {
        if (compileRunning)
            return;
        // A menu entry leaves the focus in the caption box being typed in.
        CommitPendingEdit();
        if (seams.compile) {
            std::optional<ShowChange::KeptAnswers> kept;
            {
                const CommandsOffWhileCompiling off(*this, compileRunning);
                kept = seams.compile();
            }
            // The names the compile used are kept with the show: one step of
            // its own, when they differ.
            if (kept)
                showDocument.KeepAnswers(*kept);
        }
        // What other windows left pending while the compile ran.
        if (isActiveWindow())
            emit activated();
    });

    editHistory = std::make_unique<EditHistory>(*this, showDocument);
    // The concerns of the window, each connecting to its own controls.
    autoRunDelay = std::make_unique<AutoRunDelay>(*this);
    previewNavigation = std::make_unique<PreviewNavigation>(*this, *autoRunDelay);
    slideEditing = std::make_unique<SlideEditing>(*this, *previewNavigation);
    colorWorkbench = std::make_unique<ColorWorkbench>(*this, *previewNavigation, *slideEditing);
    optionsCommand = std::make_unique<OptionsCommand>(*this, *slideEditing, *colorWorkbench);
    songControls = std::make_unique<SongControls>(*this);
    mainWindowTips = std::make_unique<MainWindowTips>(*this);
    helpCommands = std::make_unique<HelpCommands>(*this);
    lifecycle = std::make_unique<MainWindowLifecycle>(*this);

    lifecycle->startUp();
    showFileCommands = std::make_unique<ShowFileCommands>(*this);
    editHistory->Reset();
    new WindowDrops(*this);
}

MainWindow::~MainWindow() = default;

void MainWindow::ShowSettingsInWindow() {
    const ShowSettings& s = slideShow.settings;
    ui.optBakPicColorOrPic[s.UseColTrueUsePicFalse ? 0 : 1]->setChecked(true);
    ui.lblNewBkGnd->setColor(s.NewSlideBackColor);
    ui.lblNewBkGnd->setVisible(s.UseColTrueUsePicFalse);
    ui.picBackPicture->load(s.NewBkPicture);
    ui.optFullOrCondTintara[slideShow.tool.UseColorTool ? 0 : 1]->setChecked(true);
    ui.Check1->setChecked(slideShow.tool.SoundOn);
    ui.ckToolTips->setChecked(slideShow.tool.ToolTipsOn);
    SetCaptionBoxColors(s.CaptionBackColor, s.CaptionForeColor);
}

void MainWindow::ShowProjectInWindow(bool songChanged) {
    ShowSettingsInWindow();
    // Swatches bound to the settings repaint from them.
    for (ColorSwatch* swatch : findChildren<ColorSwatch*>())
        swatch->update();
    autoRunDelay->ShowDelay();
    if (songChanged)
        songControls->ShowStoredSong();
    ShowCaptionText({});
    ShowCurrentSlide();
    ApplyCaptionFont();
}

void MainWindow::CommitPendingEdit() {
    // Only what the user typed: a box the program filled shows the project.
    if (focusWidget() == ui.txtCaption && ui.txtCaption->isModified()) {
        slideEditing->captionLeft();
        ui.txtCaption->setModified(false);
    } else if (focusWidget() == ui.txtPicTimeSec && ui.txtPicTimeSec->isModified()) {
        autoRunDelay->takeTypedDelay();
        ui.txtPicTimeSec->setModified(false);
    }
}

void MainWindow::ShowCaptionText(const QString& text) {
    const QScopedValueRollback filling(fillingCaption, true);
    ui.txtCaption->setText(text);
}

void MainWindow::FillBackgrounds(qint16 start) {
    ProgressBarFill progress(*ui.PBar1);
    ::FillBackgrounds(slideShow, start, &progress);
}

void MainWindow::ShowPictureNumber(int n) {
    pictureNumber = n;
    RefreshTitle();
    ui.lblCount->setText(QString::number(n));
    ui.Image1->setAccessibleName(n > 0 ? QStringLiteral("Picture preview, slide %1").arg(n)
                                       : QStringLiteral("Picture preview, no slide"));
}

void MainWindow::SetShowName(const QString& name) {
    if (name == showName)
        return;
    showName = name;
    RefreshTitle();
}

void MainWindow::RefreshTitle() {
    setWindowTitle(QStringLiteral("Picture #") + QString::number(pictureNumber) +
                   (showName.isEmpty() ? QString() : QStringLiteral(" - ") + showName));
}

void MainWindow::RefreshPicsLeft() {
    ui.lblPicsLeft->setText(QStringLiteral("Number of Picture(s) left: ") +
                            QString::number(kMaxSlides - slideShow.SlideCount()));
}

void MainWindow::RefreshSorterAvailability(bool offered) {
    ui.cmdAllImages->setVisible(offered);
    ui.mnuSortPictures->setEnabled(offered);
}

void MainWindow::RefreshFinishAvailability() {
    const bool enough = slideShow.SlideCount() >= kMinSlidesToCompile;
    ui.cmdFinish->setEnabled(enough);
    ui.mnuFinish->setEnabled(enough);
}

void MainWindow::SetCaptionBoxColors(ColorValue back, ColorValue fore) {
    QPalette palette = ui.txtCaption->palette();
    palette.setColor(QPalette::Base, ToQColor(back));
    palette.setColor(QPalette::Text, ToQColor(fore));
    ui.txtCaption->setPalette(palette);
}

ColorValue MainWindow::CaptionBoxBackColor() const {
    return FromQColor(ui.txtCaption->palette().color(QPalette::Base));
}

ColorValue MainWindow::CaptionBoxForeColor() const {
    return FromQColor(ui.txtCaption->palette().color(QPalette::Text));
}

void MainWindow::ShowCurrentSlide() {
    const qint16 count = slideShow.SlideCount();
    ui.lblPicSelNum->setText(QString::number(count));
    RefreshPicsLeft();
    RefreshSorterAvailability(count <= kSorterSlideLimit);
    RefreshFinishAvailability();
    if (count == 0) {
        ShowPictureNumber(0);
        ui.Image1->hide();
        ui.Image1->clear();
        ui.cmdChangePic->setEnabled(false);
        return;
    }
    const qint16 current = qBound<qint16>(1, slideShow.CurrentSlide(), count);
    slideShow.setCurrentSlide(current);
    previewNavigation->ShowSlide(current);
}

void MainWindow::ApplyCaptionFont() {
    const QString& family = slideShow.settings.FontInUse;
    if (family.isEmpty())
        return;
    QFont font = ui.txtCaption->font();
    font.setFamily(family);
    ui.txtCaption->setFont(font);
}

void MainWindow::closeEvent(QCloseEvent* e) {
    // The compile is on the stack, in the middle of writing the show.
    if (compileRunning) {
        e->ignore();
        return;
    }
    // The save question comes first, then the exit question.
    if (!showFileCommands->MaybeSave() || !lifecycle->confirmClose()) {
        e->ignore();
        return;
    }
    showFileCommands->Close();
    e->accept();
}

bool MainWindow::event(QEvent* e) {
    const bool handled = QMainWindow::event(e);
    // What other windows left pending waits until the compile has ended.
    if (e->type() == QEvent::WindowActivate && !compileRunning)
        emit activated();
    return handled;
}
