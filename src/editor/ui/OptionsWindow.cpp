#include "editor/ui/OptionsWindow.h"

#include "editor/FitSideEntry.h"
#include "editor/SkipAmountEntry.h"
#include "editor/ui/AutoRunDelay.h"
#include "editor/ui/PictureView.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompter.h"
#include "project/SlideShowProject.h"

#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTime>

OptionsWindow::OptionsWindow(SlideShowProject& project, Prompter& ui, OptionsHooks hooks,
                             QWidget* parent)
    : QDialog(parent), project(project), ui(ui), hooks(std::move(hooks)) {
    setObjectName(QStringLiteral("frmOptions"));
    setModal(true);
    buildLayout();
    CheckOptions();
    connectHandlers();
}

void OptionsWindow::connectHandlers() {
    connect(ckFlashing, &QCheckBox::toggled, this, [this] { toggleFlashing(); });
    connect(ckSameCaption, &QCheckBox::toggled, this, [this] { toggleSameCaption(); });
    connect(cmdOpenBkPic, &QPushButton::clicked, this, [this] { chooseBackgroundPicture(); });
    for (int i = 0; i < 2; ++i) {
        connect(optBkGndImgOptForm[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                useBackgroundPictureOption(i);
        });
        connect(optPicBkGndColorOptionFrm[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                useBackgroundColorOption(i);
        });
    }
    connect(txtFFRev, &QLineEdit::textChanged, this, [this] { fastForwardStepTyped(); });
    // Only the digit keys type into the box, Backspace refused too.
    txtFFRev->installEventFilter(new DigitKeyFilter(txtFFRev));
    txtFFRev->installEventFilter(this);
    connect(VScrollopt, &QScrollBar::valueChanged, this, [this] { scrollOptions(); });
    connect(cmdReset, &QPushButton::clicked, this, [this] { resetOptions(); });
    connect(cmdOk, &QPushButton::clicked, this, [this] { acceptOptions(); });
    connect(ckFitPictures, &QCheckBox::toggled, this, [this] { toggleFitPictures(); });
    connect(ckPictureSizes, &QCheckBox::toggled, this, [this] { togglePictureSizes(); });
    connect(ckPlayer, &QCheckBox::toggled, this, [this](bool on) {
        project.settings.Player = on;
        ShowSizesChoice();
    });
    connect(spnSizesCache, &QSpinBox::valueChanged, this,
            [this](int mb) { project.settings.SizesCacheMB = qint16(mb); });
    for (QLineEdit* box : {txtFitWidth, txtFitHeight}) {
        box->installEventFilter(new DigitKeyFilter(box));
        box->installEventFilter(this);
    }
}

void OptionsWindow::CheckOptions() {
    const ShowSettings& s = project.settings;
    optPicBkGndColorOptionFrm[s.SameBkColorEverySlide ? 0 : 1]->setChecked(true);
    optBkGndImgOptForm[s.optIntBkImgOptionForm == 1 ? 1 : 0]->setChecked(true);
    {
        // Showing the stored amount is not an edit of it.
        const QSignalBlocker blockText(txtFFRev);
        const QSignalBlocker blockScroll(VScrollopt);
        txtFFRev->setText(QString::number(s.AmountOfSlidesFFRev));
        VScrollopt->setValue(s.AmountOfSlidesFFRev);
    }
    ckFlashing->setChecked(s.Flashing == 1);
    {
        const QSignalBlocker block(ckFitPictures);
        ckFitPictures->setChecked(s.FitPictures);
        const QSignalBlocker blockPlayer(ckPlayer);
        ckPlayer->setChecked(s.Player);
        const QSignalBlocker blockCache(spnSizesCache);
        spnSizesCache->setValue(s.SizesCacheMB);
    }
    ShowSizesChoice();
    txtFitWidth->setText(QString::number(s.FitWidth));
    txtFitHeight->setText(QString::number(s.FitHeight));
    if (project.settings.OpenPgBkPic.isEmpty())
        project.settings.OpenPgBkPic = QDir(ProgramFolder()).filePath(QStringLiteral("film.gif"));
    showOpeningPagePicture();
}

void OptionsWindow::showOpeningPagePicture() {
    if (!PicBxOpenBkPic->load(project.settings.OpenPgBkPic))
        PicBxOpenBkPic->clear();
}

void OptionsWindow::toggleFlashing() {
    project.settings.Flashing = ckFlashing->isChecked() ? 1 : 0;
}

void OptionsWindow::toggleSameCaption() {
    if (!ckSameCaption->isChecked())
        return;
    // The box works as a button.
    ckSameCaption->setChecked(false);
    const QLocale locale;
    const QString now = locale.toString(QDate::currentDate(), QLocale::LongFormat) +
                        QStringLiteral("  ") +
                        locale.toString(QTime::currentTime(), QLocale::LongFormat);
    const auto caption = ui.inputBox({QStringLiteral("Please type in your Caption for every "
                                                     "slide.\r\nPlease type in your Caption!"),
                                      now, now});
    if (!caption)
        return;
    for (int i = 0; i <= project.SlideCapacity(); ++i)
        project.slot(i).Caption = *caption;
    if (hooks.ShowCaption)
        hooks.ShowCaption(*caption);
}

void OptionsWindow::chooseBackgroundPicture() {
    project.flags.OpenPgBkPicChanged = true;
    if (hooks.AddSinglePic)
        hooks.AddSinglePic();
    // A pick that was cancelled or failed must not leave the flag behind:
    // the main window's next Change Picture would take its file for the
    // opening page instead of the slide.
    project.flags.OpenPgBkPicChanged = false;
    showOpeningPagePicture();
}

void OptionsWindow::useBackgroundPictureOption(int index) {
    project.settings.optIntBkImgOptionForm = static_cast<qint16>(index);
}

void OptionsWindow::useBackgroundColorOption(int index) {
    project.settings.SameBkColorEverySlide = index == 0;
}

bool OptionsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtFFRev && event->type() == QEvent::FocusOut)
        takeFastForwardStep();
    if ((watched == txtFitWidth || watched == txtFitHeight) && event->type() == QEvent::FocusOut)
        takeFitSide();
    return QDialog::eventFilter(watched, event);
}

void OptionsWindow::fastForwardStepTyped() {
    const SkipBoxUpdate update = SkipBoxChanged(txtFFRev->text());
    if (update.text != txtFFRev->text())
        txtFFRev->setText(update.text); // runs this handler again
    if (update.amount) {
        project.settings.AmountOfSlidesFFRev = *update.amount;
        VScrollopt->setValue(*update.amount);
    }
}

void OptionsWindow::takeFastForwardStep() {
    const SkipBoxUpdate update = SkipBoxLeft(txtFFRev->text());
    if (update.text != txtFFRev->text())
        txtFFRev->setText(update.text);
    if (update.amount) {
        VScrollopt->setValue(*update.amount);
        project.settings.AmountOfSlidesFFRev = *update.amount;
    }
}

void OptionsWindow::scrollOptions() {
    const int value = VScrollopt->value();
    if (txtFFRev->text() != QString::number(value))
        txtFFRev->setText(QString::number(value));
    project.settings.AmountOfSlidesFFRev = static_cast<qint16>(value);
}

void OptionsWindow::resetOptions() {
    const MsgResult answer =
        ui.messageBox({QStringLiteral("Reset the Whole Program? Are you sure?"),
                       QStringLiteral("Reset All?"),
                       MsgButtons::YesNo,
                       MsgIcon::Critical,
                       {}});
    if (answer != MsgResult::Yes)
        return;
    // Settings, the song and the opening-page picture stay.
    project.Clear();
    if (hooks.ProjectReset)
        hooks.ProjectReset();
}

void OptionsWindow::acceptOptions() {
    accept();
}

void OptionsWindow::toggleFitPictures() {
    project.settings.FitPictures = ckFitPictures->isChecked();
}

// The player page needs the sizes: while it is on, the sizes' box shows them
// on and cannot be cleared.
void OptionsWindow::ShowSizesChoice() {
    const QSignalBlocker block(ckPictureSizes);
    ckPictureSizes->setChecked(WantsPictureSizes(project.settings));
    ckPictureSizes->setEnabled(!project.settings.Player);
}

void OptionsWindow::togglePictureSizes() {
    project.settings.PictureSizes = ckPictureSizes->isChecked();
}

void OptionsWindow::takeFitSide() {
    ShowSettings& s = project.settings;
    s.FitWidth = FitSideEntered(txtFitWidth->text(), s.FitWidth);
    s.FitHeight = FitSideEntered(txtFitHeight->text(), s.FitHeight);
    txtFitWidth->setText(QString::number(s.FitWidth));
    txtFitHeight->setText(QString::number(s.FitHeight));
}

void OptionsWindow::showEvent(QShowEvent* event) {
    unloaded = false;
    QDialog::showEvent(event);
}

void OptionsWindow::done(int result) {
    if (!unloaded) {
        unloaded = true;
        confirmClose();
    }
    QDialog::done(result);
}

void OptionsWindow::confirmClose() {
    // Closing with Enter leaves a typed side without losing the focus.
    takeFitSide();
    const ShowSettings& s = project.settings;
    if ((s.SameBkColorEverySlide || s.optIntBkImgOptionForm == 0) && hooks.FillBackgrounds)
        hooks.FillBackgrounds();
    project.flags.OptionsChanged = true;
}
