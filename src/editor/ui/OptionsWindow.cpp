#include "editor/ui/OptionsWindow.h"

#include "editor/SkipAmountEntry.h"
#include "editor/ui/AutoRunDelay.h"
#include "editor/ui/PictureView.h"
#include "editor/ui/TiedSettings.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompter.h"
#include "platform/ui/NamedControl.h"
#include "project/ShowSettings.h"
#include "project/SlideShowProject.h"
#include "ui_OptionsWindow.h"

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

OptionsWindow::OptionsWindow(SlideShowProject& project, Prompter& prompter, OptionsHooks hooks,
                             QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::OptionsWindow>()), project(project),
      prompter(prompter), hooks(std::move(hooks)) {
    ui->setupUi(this);
    setUpControls();
    // Before the window's own handlers, so those see the value stored.
    tied = new TiedSettings(*this, project.settings);
    CheckOptions();
    connectHandlers();
}

OptionsWindow::~OptionsWindow() = default;

// What the Designer file cannot say: the heading's size and the boxes' widths
// follow the font, and the limits come from the settings.
void OptionsWindow::setUpControls() {
    JoinControlArrays(this);
    optBkGndImgOptForm = ControlArray<QRadioButton, 2>(*this, "optBkGndImgOptForm");
    optPicBkGndColorOptionFrm = ControlArray<QRadioButton, 2>(*this, "optPicBkGndColorOptionFrm");
    QFont heading = ui->Label2->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    ui->Label2->setFont(heading);
    const auto fitDigits = [](QLineEdit* box, const QString& widest) {
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(widest) + 16);
    };
    fitDigits(ui->txtFFRev, QStringLiteral("0000"));
    fitDigits(ui->txtFitWidth, QStringLiteral("00000"));
    fitDigits(ui->txtFitHeight, QStringLiteral("00000"));
    ui->VScrollopt->setFixedHeight(ui->txtFFRev->sizeHint().height() + 8);
}

void OptionsWindow::connectHandlers() {
    connect(ui->ckSameCaption, &QCheckBox::toggled, this, [this] { toggleSameCaption(); });
    connect(ui->cmdOpenBkPic, &QPushButton::clicked, this, [this] { chooseBackgroundPicture(); });
    connect(ui->txtFFRev, &QLineEdit::textChanged, this, [this] { fastForwardStepTyped(); });
    // Only the digit keys type into the box, Backspace refused too.
    ui->txtFFRev->installEventFilter(new DigitKeyFilter(ui->txtFFRev));
    ui->txtFFRev->installEventFilter(this);
    // The skip box types what the scroll bar, tied to the amount, holds.
    connect(ui->VScrollopt, &QScrollBar::valueChanged, this, [this] { scrollOptions(); });
    connect(ui->cmdReset, &QPushButton::clicked, this, [this] { resetOptions(); });
    connect(ui->cmdOk, &QPushButton::clicked, this, [this] { acceptOptions(); });
    connect(ui->ckPlayer, &QCheckBox::toggled, this, [this] { ShowSizesChoice(); });
    for (QLineEdit* box : {ui->txtFitWidth, ui->txtFitHeight})
        box->installEventFilter(new DigitKeyFilter(box));
}

void OptionsWindow::CheckOptions() {
    if (project.settings.OpenPgBkPic.isEmpty())
        project.settings.OpenPgBkPic = QDir(ProgramFolder()).filePath(QStringLiteral("film.gif"));
    tied->show();
    {
        // The stored amount, which the scroll bar may not reach; showing it
        // is not an edit of it.
        const QSignalBlocker blockText(ui->txtFFRev);
        ui->txtFFRev->setText(QString::number(project.settings.AmountOfSlidesFFRev));
    }
    ShowSizesChoice();
}

void OptionsWindow::toggleSameCaption() {
    if (!ui->ckSameCaption->isChecked())
        return;
    // The box works as a button.
    ui->ckSameCaption->setChecked(false);
    const QLocale locale;
    const QString now = locale.toString(QDate::currentDate(), QLocale::LongFormat) +
                        QStringLiteral("  ") +
                        locale.toString(QTime::currentTime(), QLocale::LongFormat);
    const auto caption =
        prompter.inputBox({QStringLiteral("Please type in your Caption for every "
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
    tied->show();
    ShowSizesChoice();
}

bool OptionsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->txtFFRev && event->type() == QEvent::FocusOut)
        takeFastForwardStep();
    return QDialog::eventFilter(watched, event);
}

void OptionsWindow::fastForwardStepTyped() {
    const SkipBoxUpdate update = SkipBoxChanged(ui->txtFFRev->text());
    if (update.text != ui->txtFFRev->text())
        ui->txtFFRev->setText(update.text); // runs this handler again
    if (update.amount)
        takeSkipAmount(*update.amount);
}

void OptionsWindow::takeFastForwardStep() {
    const SkipBoxUpdate update = SkipBoxLeft(ui->txtFFRev->text());
    if (update.text != ui->txtFFRev->text())
        ui->txtFFRev->setText(update.text);
    if (update.amount)
        takeSkipAmount(*update.amount);
}

void OptionsWindow::takeSkipAmount(qint16 amount) {
    ui->VScrollopt->setValue(amount);
    // Stored even when the scroll bar stood there already.
    tied->take(ui->VScrollopt);
}

void OptionsWindow::scrollOptions() {
    const int value = ui->VScrollopt->value();
    if (ui->txtFFRev->text() != QString::number(value))
        ui->txtFFRev->setText(QString::number(value));
}

void OptionsWindow::resetOptions() {
    const MsgResult answer =
        prompter.messageBox({QStringLiteral("Reset the Whole Program? Are you sure?"),
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

// The player page needs the sizes: while it is on, the sizes' box shows them
// on and cannot be cleared.
void OptionsWindow::ShowSizesChoice() {
    const QSignalBlocker block(ui->ckPictureSizes);
    ui->ckPictureSizes->setChecked(WantsPictureSizes(project.settings));
    ui->ckPictureSizes->setEnabled(!project.settings.Player);
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
    // Closing with Enter leaves a typed number without losing the focus.
    tied->takeTyped();
    const ShowSettings& s = project.settings;
    if ((s.SameBkColorEverySlide || s.optIntBkImgOptionForm == 0) && hooks.FillBackgrounds)
        hooks.FillBackgrounds();
    project.flags.OptionsChanged = true;
}
