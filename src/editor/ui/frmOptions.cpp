#include "editor/ui/frmOptions.h"

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

frmOptions::frmOptions(SlideShowProject& project, Prompter& ui, OptionsHooks hooks, QWidget* parent)
    : QDialog(parent), project(project), ui(ui), hooks(std::move(hooks)) {
    setObjectName(QStringLiteral("frmOptions"));
    setModal(true);
    buildLayout();
    CheckOptions();
    connectHandlers();
}

void frmOptions::connectHandlers() {
    connect(ckFlashing, &QCheckBox::toggled, this, [this] { ckFlashing_Click(); });
    connect(ckSameCaption, &QCheckBox::toggled, this, [this] { ckSameCaption_Click(); });
    connect(cmdOpenBkPic, &QPushButton::clicked, this, [this] { cmdOpenBkPic_Click(); });
    for (int i = 0; i < 2; ++i) {
        connect(optBkGndImgOptForm[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optBkGndImgOptForm_Click(i);
        });
        connect(optPicBkGndColorOptionFrm[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optPicBkGndColorOptionFrm_Click(i);
        });
    }
    connect(txtFFRev, &QLineEdit::textChanged, this, [this] { txtFFRev_Change(); });
    // Only the digit keys type into the box, Backspace refused too.
    txtFFRev->installEventFilter(new DigitKeyFilter(txtFFRev));
    txtFFRev->installEventFilter(this);
    connect(VScrollopt, &QScrollBar::valueChanged, this, [this] { VScrollopt_Change(); });
    connect(cmdReset, &QPushButton::clicked, this, [this] { cmdReset_Click(); });
    connect(cmdOk, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
    connect(ckFitPictures, &QCheckBox::toggled, this, [this] { ckFitPictures_Click(); });
    connect(ckPictureSizes, &QCheckBox::toggled, this, [this] { ckPictureSizes_Click(); });
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

void frmOptions::CheckOptions() {
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

void frmOptions::showOpeningPagePicture() {
    if (!PicBxOpenBkPic->load(project.settings.OpenPgBkPic))
        PicBxOpenBkPic->clear();
}

void frmOptions::ckFlashing_Click() {
    project.settings.Flashing = ckFlashing->isChecked() ? 1 : 0;
}

void frmOptions::ckSameCaption_Click() {
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

void frmOptions::cmdOpenBkPic_Click() {
    project.flags.OpenPgBkPicChanged = true;
    if (hooks.AddSinglePic)
        hooks.AddSinglePic();
    // A pick that was cancelled or failed must not leave the flag behind:
    // the main window's next Change Picture would take its file for the
    // opening page instead of the slide.
    project.flags.OpenPgBkPicChanged = false;
    showOpeningPagePicture();
}

void frmOptions::optBkGndImgOptForm_Click(int index) {
    project.settings.optIntBkImgOptionForm = static_cast<qint16>(index);
}

void frmOptions::optPicBkGndColorOptionFrm_Click(int index) {
    project.settings.SameBkColorEverySlide = index == 0;
}

bool frmOptions::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtFFRev && event->type() == QEvent::FocusOut)
        txtFFRev_LostFocus();
    if ((watched == txtFitWidth || watched == txtFitHeight) && event->type() == QEvent::FocusOut)
        txtFitSide_LostFocus();
    return QDialog::eventFilter(watched, event);
}

void frmOptions::txtFFRev_Change() {
    const SkipBoxUpdate update = SkipBoxChanged(txtFFRev->text());
    if (update.text != txtFFRev->text())
        txtFFRev->setText(update.text); // runs this handler again
    if (update.amount) {
        project.settings.AmountOfSlidesFFRev = *update.amount;
        VScrollopt->setValue(*update.amount);
    }
}

void frmOptions::txtFFRev_LostFocus() {
    const SkipBoxUpdate update = SkipBoxLeft(txtFFRev->text());
    if (update.text != txtFFRev->text())
        txtFFRev->setText(update.text);
    if (update.amount) {
        VScrollopt->setValue(*update.amount);
        project.settings.AmountOfSlidesFFRev = *update.amount;
    }
}

void frmOptions::VScrollopt_Change() {
    const int value = VScrollopt->value();
    if (txtFFRev->text() != QString::number(value))
        txtFFRev->setText(QString::number(value));
    project.settings.AmountOfSlidesFFRev = static_cast<qint16>(value);
}

void frmOptions::cmdReset_Click() {
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

void frmOptions::cmdOk_Click() {
    accept();
}

void frmOptions::ckFitPictures_Click() {
    project.settings.FitPictures = ckFitPictures->isChecked();
}

// The player page needs the sizes: while it is on, the sizes' box shows them
// on and cannot be cleared.
void frmOptions::ShowSizesChoice() {
    const QSignalBlocker block(ckPictureSizes);
    ckPictureSizes->setChecked(WantsPictureSizes(project.settings));
    ckPictureSizes->setEnabled(!project.settings.Player);
}

void frmOptions::ckPictureSizes_Click() {
    project.settings.PictureSizes = ckPictureSizes->isChecked();
}

void frmOptions::txtFitSide_LostFocus() {
    ShowSettings& s = project.settings;
    s.FitWidth = FitSideEntered(txtFitWidth->text(), s.FitWidth);
    s.FitHeight = FitSideEntered(txtFitHeight->text(), s.FitHeight);
    txtFitWidth->setText(QString::number(s.FitWidth));
    txtFitHeight->setText(QString::number(s.FitHeight));
}

void frmOptions::showEvent(QShowEvent* event) {
    unloaded = false;
    QDialog::showEvent(event);
}

void frmOptions::done(int result) {
    if (!unloaded) {
        unloaded = true;
        Form_QueryUnload();
    }
    QDialog::done(result);
}

void frmOptions::Form_QueryUnload() {
    // Closing with Enter leaves a typed side without losing the focus.
    txtFitSide_LostFocus();
    const ShowSettings& s = project.settings;
    if ((s.SameBkColorEverySlide || s.optIntBkImgOptionForm == 0) && hooks.FillBackgrounds)
        hooks.FillBackgrounds();
    project.flags.OptionsChanged = true;
}
