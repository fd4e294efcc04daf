#include "colortool/ui/TintaraWindow.h"

#include "colortool/ChannelEntry.h"
#include "colortool/ui/ClipboardWindow.h"
#include "colortool/ui/CompletingCombo.h"
#include "colortool/ui/PaletteBox.h"
#include "colortool/ui/SchemeSaveWindow.h"
#include "platform/ui/NamedControl.h"
#include "ui_TintaraWindow.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QStyle>

TintaraWindow::TintaraWindow(ShowDocument& document, ColorToolHost& host, Prompter& prompter,
                             const QString& programFolder, const QString& dataFolder,
                             QWidget* parent)
    : QMainWindow(parent, Qt::Window), ui(std::make_unique<Ui::TintaraWindow>()), ask(prompter),
      colors(document, host, prompter, programFolder, dataFolder), dataFolder(dataFolder) {
    setAttribute(Qt::WA_DeleteOnClose);
    colors.putOnClipboard = [](const QString& text) {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        clipboard->setText(text);
    };
    ui->setupUi(this);
    setUpControls();
    connectControls();
    connectMenu();
    load();
}

TintaraWindow::~TintaraWindow() = default;

// What the Designer file cannot say: the boxes' spoken names, sizes that
// follow the font, and the standard icons.
void TintaraWindow::setUpControls() {
    JoinControlArrays(this);
    boxes = ControlArray<PaletteBox, ColorChart::kBoxes>(*this, "Picture1");
    channelBoxes = ControlArray<QLineEdit, 6>(*this, "txtColValue");
    sliders = ControlArray<QSlider, 3>(*this, "Slide");
    sliderNumbers = ControlArray<QLabel, 3>(*this, "lblRGB");
    for (int k = 0; k < ColorChart::kBoxes; ++k) {
        const bool chart = k < ColorChart::kChartBoxes;
        PaletteBox* box = boxes[static_cast<std::size_t>(k)];
        box->setLabel(chart ? QStringLiteral("Chart color %1").arg(k + 1)
                            : QStringLiteral("User color %1").arg(k - ColorChart::kChartBoxes + 1));
        box->setAccessibleDescription(
            chart ? QStringLiteral("Space picks this color")
                  : QStringLiteral(
                        "Space picks this color; Shift+Space stores the selected color here"));
    }
    ui->picColorSel->setLabel(QStringLiteral("Color you Selected"));
    for (QPlainTextEdit* view : {ui->txtHexValue, ui->txtDecValue})
        view->setFixedHeight(view->fontMetrics().lineSpacing() * 2 + 14);
    for (QLabel* number : sliderNumbers)
        number->setMinimumWidth(number->fontMetrics().horizontalAdvance(QStringLiteral("2555")));

    const QIcon open = style()->standardIcon(QStyle::SP_DialogOpenButton);
    const QIcon save = style()->standardIcon(QStyle::SP_DialogSaveButton);
    const QIcon help = style()->standardIcon(QStyle::SP_DialogHelpButton);
    for (QAction* a : {ui->mnuImport, ui->tbImport})
        a->setIcon(open);
    for (QAction* a : {ui->mnuExport, ui->tbExport})
        a->setIcon(save);
    for (QAction* a : {ui->mnuHelp, ui->tbHelp})
        a->setIcon(help);
    ui->mnuExit->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
}

SchemeSaveWindow* TintaraWindow::schemeWindow() const {
    return schemes;
}

ClipboardWindow* TintaraWindow::clipboardWindow() const {
    return clipboardView;
}

void TintaraWindow::load() {
    makeTipManagers();
    ui->Check1->setChecked(true);
    switchToolTips();
    colors.Load();
    fillNames();
    showState();
}

void TintaraWindow::fillNames() {
    const QSignalBlocker block(ui->Combo1);
    ui->Combo1->clear();
    ui->Combo1->addItems(colors.named.names);
    ui->Combo1->setCurrentIndex(-1);
    ui->Combo1->setEditText(QString());
}

void TintaraWindow::connectControls() {
    for (int k = 0; k < ColorChart::kBoxes; ++k)
        connect(boxes[static_cast<std::size_t>(k)], &PaletteBox::pressed, this,
                [this, k](ColorChart::Press press) {
                    colors.pressBox(k, press);
                    showState();
                });
    for (int k = 0; k < ColorChart::kBoxes; ++k)
        connect(boxes[static_cast<std::size_t>(k)], &PaletteBox::arrowed, this,
                [this, k](int dx, int dy) { movePaletteFocus(k, dx, dy); });
    for (int c = 0; c < 3; ++c)
        connect(sliders[static_cast<std::size_t>(c)], &QSlider::valueChanged, this,
                [this, c](int value) {
                    colors.setSliderPosition(c, value);
                    showState();
                });
    connect(ui->cmdSlideSel, &QPushButton::clicked, this, [this] {
        colors.selectSliderColor();
        showState();
    });
    connect(ui->cmdDecColVal, &QPushButton::clicked, this, [this] {
        colors.applyDecimalValues();
        showState();
    });
    connect(ui->cmdHexColVal, &QPushButton::clicked, this, [this] {
        colors.applyHexValues();
        showState();
    });
    for (std::size_t i = 0; i < channelBoxes.size(); ++i) {
        channelBoxes[i]->installEventFilter(this);
        // What is typed stays until a colour action rewrites the boxes.
        connect(channelBoxes[i], &QLineEdit::textEdited, this,
                [this, i](const QString& text) { colors.channelText[i] = text; });
    }
    connect(ui->Combo1, &CompletingCombo::completed, this, [this](int index) {
        colors.ApplyNamedColor(index);
        showState();
    });
    connect(ui->Combo1, &CompletingCombo::searchRequested, this, [this](const QString& text) {
        const int index = colors.FindNamedColor(text);
        if (index >= 0)
            ui->Combo1->showEntry(index);
        showState();
    });
    connect(ui->cmdShowMeColors, &QPushButton::clicked, this, [this] {
        colors.chooseFromColorDialog();
        showState();
    });
    connect(ui->cmdFont, &QPushButton::clicked, this, &TintaraWindow::chooseSampleFont);
    connect(ui->lblShowCB, &QLabel::linkActivated, this, &TintaraWindow::showClipboard);
    connect(ui->Check1, &QCheckBox::clicked, this, &TintaraWindow::switchToolTips);
    connect(ui->cmdExit, &QPushButton::clicked, this, &TintaraWindow::selectAndClose);
}

void TintaraWindow::movePaletteFocus(int box, int dx, int dy) {
    // Both grids have rows of seven; the user boxes follow the chart's three
    // rows, so Down from the chart's last row reaches the user boxes.
    const int target = box + dx + 7 * dy;
    if (target >= 0 && target < ColorChart::kBoxes && (dy != 0 || target / 7 == box / 7))
        boxes[static_cast<std::size_t>(target)]->setFocus(Qt::OtherFocusReason);
}

bool TintaraWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    for (std::size_t i = 0; i < channelBoxes.size(); ++i) {
        if (watched != channelBoxes[i])
            continue;
        const bool hex = i >= 3;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Enter in a box shows the colour, as its button does.
            (hex ? ui->cmdHexColVal : ui->cmdDecColVal)->click();
            return true;
        }
        const QString text = key->text();
        if (!text.isEmpty() && text.at(0).isPrint() && !ChannelKeyAccepted(text.at(0), hex))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TintaraWindow::chooseSampleFont() {
    if (!colors.chooseSampleFont())
        return;
    QFont font = ui->lblSlide->font();
    font.setFamily(colors.sampleFontFamily);
    if (colors.sampleFontSize > 0)
        font.setPointSize(colors.sampleFontSize);
    ui->lblSlide->setFont(font);
}

void TintaraWindow::showClipboard() {
    if (!clipboardView)
        clipboardView = new ClipboardWindow(this);
    clipboardView->show();
    clipboardView->raise();
    clipboardView->activateWindow();
}

void TintaraWindow::selectAndClose() {
    colors.SelectedOK = true;
    close();
}

void TintaraWindow::closeEvent(QCloseEvent* event) {
    colors.finish();
    if (schemes)
        schemes->deleteLater();
    event->accept();
}

namespace {
QColor Qt24(ColorValue c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}
} // namespace

void TintaraWindow::showState() {
    for (std::size_t k = 0; k < boxes.size(); ++k)
        boxes[k]->setColor(colors.boxes[k]);
    ui->picColorSel->setColor(colors.active);
    if (ui->txtHexValue->toPlainText() != colors.hexView)
        ui->txtHexValue->setPlainText(colors.hexView);
    if (ui->txtDecValue->toPlainText() != colors.decView)
        ui->txtDecValue->setPlainText(colors.decView);
    for (std::size_t i = 0; i < channelBoxes.size(); ++i)
        if (channelBoxes[i]->text() != colors.channelText[i])
            channelBoxes[i]->setText(colors.channelText[i]);
    for (std::size_t c = 0; c < 3; ++c) {
        const QSignalBlocker block(sliders[c]);
        sliders[c]->setValue(colors.slider[c]);
        sliderNumbers[c]->setText(QString::number(colors.slider[c]));
    }
    QPalette palette = ui->lblSlide->palette();
    palette.setColor(QPalette::Window, Qt24(colors.sampleColor));
    palette.setColor(QPalette::WindowText, Qt24(colors.sampleTextColor));
    ui->lblSlide->setPalette(palette);
    ui->lblSlide->setText(colors.sampleCaption);
}
