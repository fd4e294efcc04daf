#include "editor/ui/MainWindowLifecycle.h"

#include "colortool/ColorSchemeFile.h"
#include "editor/ShutDown.h"
#include "editor/ui/AutoRunDelay.h"
#include "editor/ui/ColorWorkbench.h"
#include "editor/ui/MainWindow.h"
#include "editor/ui/MainWindowTips.h"
#include "editor/ui/OptionsCommand.h"
#include "editor/ui/PictureView.h"
#include "platform/ProgramFolder.h"
#include "platform/ToolSettings.h"
#include "platform/ui/ColorSwatch.h"
#include "project/ShowValues.h"
#include "support/ui/cToolTip.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>

MainWindowLifecycle::MainWindowLifecycle(MainWindow& f) : form(f) {
    // The controls' built-in state, which stored settings then change.
    const ShowSettings& s = form.project().settings;
    form.ui.optBakPicColorOrPic[0]->setChecked(true);
    form.ui.optFullOrCondTintara[0]->setChecked(true);
    form.ui.ckToolTips->setChecked(true);
    form.ui.lblNewBkGnd->setColor(s.NewSlideBackColor);
    form.SetCaptionBoxColors(s.CaptionBackColor, s.CaptionForeColor);
}

void MainWindowLifecycle::startUp() {
    const auto store = OpenToolSettings(kSettingsOrganization, kSettingsApplication);
    RunStartUp(form.project(), *store, *this, ProgramFolder(), QDir::homePath());
}

bool MainWindowLifecycle::confirmClose() {
    releaseToolTips();
    const auto store = OpenToolSettings(kSettingsOrganization, kSettingsApplication);
    if (!RunShutDown(form.prompter(), *store, form.project().settings, form.project().tool, *this))
        return false;
    // Every other window of the tool goes with the main window; another main
    // window (a second show restored after a crash) stays open with its show.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != &form && window->isVisible() && !qobject_cast<MainWindow*>(window))
            window->close();
    return true;
}

void MainWindowLifecycle::selectBackgroundMode(int index) {
    // Selecting a different option runs its click, as choosing it does.
    QRadioButton* option = form.ui.optBakPicColorOrPic[index == 1 ? 1 : 0];
    if (option->isChecked())
        return;
    option->setChecked(true);
    form.colors().commands().useBackgroundOption(index);
}

void MainWindowLifecycle::selectColorChooser(int index) {
    form.ui.optFullOrCondTintara[index == 1 ? 1 : 0]->setChecked(true);
    form.colors().commands().chooseColorToolKind(index);
}

bool MainWindowLifecycle::colorToolSelected() const {
    return form.ui.optFullOrCondTintara[0]->isChecked();
}

void MainWindowLifecycle::tickToolTips(bool on) {
    form.ui.ckToolTips->setChecked(on);
    if (on)
        switchToolTips();
}

bool MainWindowLifecycle::toolTipsTicked() const {
    return form.ui.ckToolTips->isChecked();
}

void MainWindowLifecycle::tickSound(bool on) {
    // Check1's own handler runs when the tick changes.
    form.ui.Check1->setChecked(on);
}

bool MainWindowLifecycle::soundTicked() const {
    return form.ui.Check1->isChecked();
}

bool MainWindowLifecycle::showDelay(qint16 seconds) {
    const QScrollBar* bar = form.ui.VScrollSec;
    if (seconds < bar->minimum() || seconds > bar->maximum())
        return false;
    form.delay().ShowDelay();
    return true;
}

void MainWindowLifecycle::showCaptionForeColor(ColorValue color) {
    form.SetCaptionBoxColors(form.CaptionBoxBackColor(), color);
}

void MainWindowLifecycle::showCaptionBackColor(ColorValue color) {
    form.SetCaptionBoxColors(color, form.CaptionBoxForeColor());
}

ColorValue MainWindowLifecycle::captionBoxBackColor() const {
    return form.CaptionBoxBackColor();
}

void MainWindowLifecycle::showNewBackgroundColor(ColorValue color) {
    form.ui.lblNewBkGnd->setColor(color);
}

ColorValue MainWindowLifecycle::newBackgroundColor() const {
    return form.ui.lblNewBkGnd->color();
}

void MainWindowLifecycle::refreshColorBoxes() {
    form.update();
}

void MainWindowLifecycle::fillBackgrounds() {
    form.FillBackgrounds(0);
}

void MainWindowLifecycle::configureToolTips() {
    ConfigureToolTips(form);
}

void MainWindowLifecycle::releaseToolTips() {
    // A tip still showing goes before the question. The managers themselves
    // stay: on No the tool goes on with its tips working.
    for (int which = 0; which < kTipManagers; ++which)
        form.tips().manager(static_cast<TipManager>(which)).HideTip();
}

void MainWindowLifecycle::switchToolTips() {
    form.tips().toggleTips();
}

void MainWindowLifecycle::loadUserColors() {
    // The user colour file is one the colour tool rewrites: the user's copy.
    form.colors().commands().setPalette(LoadUserColors(WritableProgramFolder()));
}

void MainWindowLifecycle::showPictureNumber(int n) {
    MainWindowControls& ui = form.ui;
    ui.Image1->hide();
    ui.cmdChangePic->setEnabled(false);
    form.ShowPictureNumber(n);
    ui.lblPicSelNum->setText(QString::number(n));
    form.RefreshSorterAvailability(true);
    form.RefreshFinishAvailability();
}

void MainWindowLifecycle::takeDefaultCaptionFont() {
    const CaptionFont font = DefaultCaptionFont();
    form.project().settings.FontInUse = font.name;
    form.project().settings.FontSizeInUse = font.size;
}

void MainWindowLifecycle::loadAndUnloadOptions() {
    form.options().LoadAndUnload();
    form.ui.picBackPicture->load(form.project().settings.NewBkPicture);
}

void MainWindowLifecycle::placeWindow() {
    // 11595 x 8595 twips, centred horizontally.
    form.resize(773, 573);
    if (const QScreen* screen = form.screen()) {
        const QRect area = screen->availableGeometry();
        form.move(area.x() + (area.width() - form.width()) / 2,
                  area.y() + qMax(0, (area.height() - form.height()) / 2));
    }
}

void MainWindowLifecycle::showPicturesLeft() {
    form.RefreshPicsLeft();
}

void MainWindowLifecycle::applyCaptionFont() {
    form.ApplyCaptionFont();
}
