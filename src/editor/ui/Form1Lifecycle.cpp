#include "editor/ui/Form1Lifecycle.h"

#include "colortool/ColorSchemeFile.h"
#include "editor/ShutDown.h"
#include "editor/ui/AutoRunDelay.h"
#include "editor/ui/ColorWorkbench.h"
#include "editor/ui/Form1.h"
#include "editor/ui/MainWindowTips.h"
#include "editor/ui/OptionsCommand.h"
#include "editor/ui/PictureView.h"
#include "platform/ProgramFolder.h"
#include "platform/ToolSettings.h"
#include "platform/ui/ColorSwatch.h"
#include "project/DefaultCaptionFont.h"
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

Form1Lifecycle::Form1Lifecycle(Form1& f) : form(f) {
    // The controls' built-in state, which stored settings then change.
    const ShowSettings& s = form.project().settings;
    form.ui.optBakPicColorOrPic[0]->setChecked(true);
    form.ui.optFullOrCondTintara[0]->setChecked(true);
    form.ui.ckToolTips->setChecked(true);
    form.ui.lblNewBkGnd->setColor(s.NewSlideBackColor);
    form.SetCaptionBoxColors(s.CaptionBackColor, s.CaptionForeColor);
}

void Form1Lifecycle::Form_Load() {
    const auto store = OpenToolSettings(kSettingsOrganization, kSettingsApplication);
    RunStartUp(form.project(), *store, *this, ProgramFolder(), QDir::homePath());
}

bool Form1Lifecycle::Form_QueryUnload() {
    releaseToolTips();
    const auto store = OpenToolSettings(kSettingsOrganization, kSettingsApplication);
    if (!RunShutDown(form.prompter(), *store, form.project().settings, form.project().tool, *this))
        return false;
    // Every other window of the tool goes with the main window; another main
    // window (a second show restored after a crash) stays open with its show.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != &form && window->isVisible() && !qobject_cast<Form1*>(window))
            window->close();
    return true;
}

void Form1Lifecycle::selectBackgroundMode(int index) {
    // Selecting a different option runs its click, as choosing it does.
    QRadioButton* option = form.ui.optBakPicColorOrPic[index == 1 ? 1 : 0];
    if (option->isChecked())
        return;
    option->setChecked(true);
    form.colors().commands().optBakPicColorOrPic_Click(index);
}

void Form1Lifecycle::selectColorChooser(int index) {
    form.ui.optFullOrCondTintara[index == 1 ? 1 : 0]->setChecked(true);
    form.colors().commands().optFullOrCondTintara_Click(index);
}

bool Form1Lifecycle::colorToolSelected() const {
    return form.ui.optFullOrCondTintara[0]->isChecked();
}

void Form1Lifecycle::tickToolTips(bool on) {
    form.ui.ckToolTips->setChecked(on);
    if (on)
        switchToolTips();
}

bool Form1Lifecycle::toolTipsTicked() const {
    return form.ui.ckToolTips->isChecked();
}

void Form1Lifecycle::tickSound(bool on) {
    // Check1's own handler runs when the tick changes.
    form.ui.Check1->setChecked(on);
}

bool Form1Lifecycle::soundTicked() const {
    return form.ui.Check1->isChecked();
}

bool Form1Lifecycle::showDelay(qint16 seconds) {
    const QScrollBar* bar = form.ui.VScrollSec;
    if (seconds < bar->minimum() || seconds > bar->maximum())
        return false;
    form.delay().ShowDelay();
    return true;
}

void Form1Lifecycle::showCaptionForeColor(ColorValue color) {
    form.SetCaptionBoxColors(form.CaptionBoxBackColor(), color);
}

void Form1Lifecycle::showCaptionBackColor(ColorValue color) {
    form.SetCaptionBoxColors(color, form.CaptionBoxForeColor());
}

ColorValue Form1Lifecycle::captionBoxBackColor() const {
    return form.CaptionBoxBackColor();
}

void Form1Lifecycle::showNewBackgroundColor(ColorValue color) {
    form.ui.lblNewBkGnd->setColor(color);
}

ColorValue Form1Lifecycle::newBackgroundColor() const {
    return form.ui.lblNewBkGnd->color();
}

void Form1Lifecycle::refreshColorBoxes() {
    form.update();
}

void Form1Lifecycle::fillBackgrounds() {
    form.FillBackgrounds(0);
}

void Form1Lifecycle::configureToolTips() {
    ConfigureToolTips(form);
}

void Form1Lifecycle::releaseToolTips() {
    // A tip still showing goes before the question. The managers themselves
    // stay: on No the tool goes on with its tips working.
    for (int which = 0; which < kTipManagers; ++which)
        form.tips().manager(static_cast<TipManager>(which)).HideTip();
}

void Form1Lifecycle::switchToolTips() {
    form.tips().ckToolTips_Click();
}

void Form1Lifecycle::loadUserColors() {
    // The user colour file is one the colour tool rewrites: the user's copy.
    form.colors().commands().setPalette(LoadUserColors(WritableProgramFolder()));
}

void Form1Lifecycle::showPictureNumber(int n) {
    Form1Controls& ui = form.ui;
    ui.Image1->hide();
    ui.cmdChangePic->setEnabled(false);
    form.ShowPictureNumber(n);
    ui.lblPicSelNum->setText(QString::number(n));
    form.RefreshSorterAvailability(true);
    form.RefreshFinishAvailability();
}

void Form1Lifecycle::takeDefaultCaptionFont() {
    const CaptionFont font = DefaultCaptionFont();
    form.project().settings.FontInUse = font.name;
    form.project().settings.FontSizeInUse = font.size;
}

void Form1Lifecycle::loadAndUnloadOptions() {
    form.options().LoadAndUnload();
    form.ui.picBackPicture->load(form.project().settings.NewBkPicture);
}

void Form1Lifecycle::placeWindow() {
    // 11595 x 8595 twips, centred horizontally.
    form.resize(773, 573);
    if (const QScreen* screen = form.screen()) {
        const QRect area = screen->availableGeometry();
        form.move(area.x() + (area.width() - form.width()) / 2,
                  area.y() + qMax(0, (area.height() - form.height()) / 2));
    }
}

void Form1Lifecycle::showPicturesLeft() {
    form.RefreshPicsLeft();
}

void Form1Lifecycle::applyCaptionFont() {
    form.ApplyCaptionFont();
}
