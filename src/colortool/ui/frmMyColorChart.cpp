#include "colortool/ui/frmMyColorChart.h"

#include "colortool/ChannelEntry.h"
#include "colortool/ui/ClipboardWindow.h"
#include "colortool/ui/CompletingCombo.h"
#include "colortool/ui/PaletteBox.h"
#include "colortool/ui/TintaraLayout.h"
#include "colortool/ui/frmSavetxt.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

frmMyColorChart::frmMyColorChart(SlideShowProject& project, ColorToolHost& host, Prompter& prompter,
                                 const QString& programFolder, const QString& dataFolder,
                                 QWidget* parent)
    : QMainWindow(parent, Qt::Window), ask(prompter),
      colors(project, host, prompter, programFolder, dataFolder), dataFolder(dataFolder) {
    setObjectName(QStringLiteral("frmMyColorChart"));
    setWindowTitle(QStringLiteral("Tintara"));
    setAttribute(Qt::WA_DeleteOnClose);
    colors.putOnClipboard = [](const QString& text) {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        clipboard->setText(text);
    };
    BuildTintaraLayout(*this, ui);
    connectControls();
    connectMenu();
    Form_Load();
}

frmMyColorChart::~frmMyColorChart() = default;

frmSavetxt* frmMyColorChart::schemeWindow() const {
    return schemes;
}

ClipboardWindow* frmMyColorChart::clipboardWindow() const {
    return clipboardView;
}

void frmMyColorChart::Form_Load() {
    makeTipManagers();
    ui.Check1->setChecked(true);
    Check1_Click();
    colors.Load();
    fillNames();
    showState();
}

void frmMyColorChart::fillNames() {
    const QSignalBlocker block(ui.Combo1);
    ui.Combo1->clear();
    ui.Combo1->addItems(colors.named.names);
    ui.Combo1->setCurrentIndex(-1);
    ui.Combo1->setEditText(QString());
}

void frmMyColorChart::connectControls() {
    for (int k = 0; k < ColorChart::kBoxes; ++k)
        connect(ui.Picture1[static_cast<std::size_t>(k)], &PaletteBox::pressed, this,
                [this, k](ColorChart::Press press) {
                    colors.PaletteMouseDown(k, press);
                    showState();
                });
    for (int k = 0; k < ColorChart::kBoxes; ++k)
        connect(ui.Picture1[static_cast<std::size_t>(k)], &PaletteBox::arrowed, this,
                [this, k](int dx, int dy) { movePaletteFocus(k, dx, dy); });
    for (int c = 0; c < 3; ++c)
        connect(ui.Slide[static_cast<std::size_t>(c)], &QSlider::valueChanged, this,
                [this, c](int value) {
                    colors.setSliderPosition(c, value);
                    showState();
                });
    connect(ui.cmdSlideSel, &QPushButton::clicked, this, [this] {
        colors.cmdSlideSel_Click();
        showState();
    });
    connect(ui.cmdDecColVal, &QPushButton::clicked, this, [this] {
        colors.cmdDecColVal_Click();
        showState();
    });
    connect(ui.cmdHexColVal, &QPushButton::clicked, this, [this] {
        colors.cmdHexColVal_Click();
        showState();
    });
    for (std::size_t i = 0; i < ui.txtColValue.size(); ++i) {
        ui.txtColValue[i]->installEventFilter(this);
        // What is typed stays until a colour action rewrites the boxes.
        connect(ui.txtColValue[i], &QLineEdit::textEdited, this,
                [this, i](const QString& text) { colors.channelText[i] = text; });
    }
    connect(ui.Combo1, &CompletingCombo::completed, this, [this](int index) {
        colors.ApplyNamedColor(index);
        showState();
    });
    connect(ui.Combo1, &CompletingCombo::searchRequested, this, [this](const QString& text) {
        const int index = colors.FindNamedColor(text);
        if (index >= 0)
            ui.Combo1->showEntry(index);
        showState();
    });
    connect(ui.cmdShowMeColors, &QPushButton::clicked, this, [this] {
        colors.cmdShowMeColors_Click();
        showState();
    });
    connect(ui.cmdFont, &QPushButton::clicked, this, &frmMyColorChart::cmdFont_Click);
    connect(ui.lblShowCB, &QLabel::linkActivated, this, &frmMyColorChart::lblShowCB_Click);
    connect(ui.Check1, &QCheckBox::clicked, this, &frmMyColorChart::Check1_Click);
    connect(ui.cmdExit, &QPushButton::clicked, this, &frmMyColorChart::cmdExit_Click);
}

void frmMyColorChart::movePaletteFocus(int box, int dx, int dy) {
    // Both grids have rows of seven; the user boxes follow the chart's three
    // rows, so Down from the chart's last row reaches the user boxes.
    const int target = box + dx + 7 * dy;
    if (target >= 0 && target < ColorChart::kBoxes && (dy != 0 || target / 7 == box / 7))
        ui.Picture1[static_cast<std::size_t>(target)]->setFocus(Qt::OtherFocusReason);
}

bool frmMyColorChart::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    for (std::size_t i = 0; i < ui.txtColValue.size(); ++i) {
        if (watched != ui.txtColValue[i])
            continue;
        const bool hex = i >= 3;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Enter in a box shows the colour, as its button does.
            (hex ? ui.cmdHexColVal : ui.cmdDecColVal)->click();
            return true;
        }
        const QString text = key->text();
        if (!text.isEmpty() && text.at(0).isPrint() && !ChannelKeyAccepted(text.at(0), hex))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMyColorChart::cmdFont_Click() {
    if (!colors.cmdFont_Click())
        return;
    QFont font = ui.lblSlide->font();
    font.setFamily(colors.sampleFontFamily);
    if (colors.sampleFontSize > 0)
        font.setPointSize(colors.sampleFontSize);
    ui.lblSlide->setFont(font);
}

void frmMyColorChart::lblShowCB_Click() {
    if (!clipboardView)
        clipboardView = new ClipboardWindow(this);
    clipboardView->show();
    clipboardView->raise();
    clipboardView->activateWindow();
}

void frmMyColorChart::cmdExit_Click() {
    colors.SelectedOK = true;
    close();
}

void frmMyColorChart::closeEvent(QCloseEvent* event) {
    colors.Form_QueryUnload();
    if (schemes)
        schemes->deleteLater();
    event->accept();
}

namespace {
QColor Qt24(ColorValue c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}
} // namespace

void frmMyColorChart::showState() {
    for (std::size_t k = 0; k < ui.Picture1.size(); ++k)
        ui.Picture1[k]->setColor(colors.boxes[k]);
    ui.picColorSel->setColor(colors.active);
    if (ui.txtHexValue->toPlainText() != colors.hexView)
        ui.txtHexValue->setPlainText(colors.hexView);
    if (ui.txtDecValue->toPlainText() != colors.decView)
        ui.txtDecValue->setPlainText(colors.decView);
    for (std::size_t i = 0; i < ui.txtColValue.size(); ++i)
        if (ui.txtColValue[i]->text() != colors.channelText[i])
            ui.txtColValue[i]->setText(colors.channelText[i]);
    for (std::size_t c = 0; c < 3; ++c) {
        const QSignalBlocker block(ui.Slide[c]);
        ui.Slide[c]->setValue(colors.slider[c]);
        ui.lblRGB[c]->setText(QString::number(colors.slider[c]));
    }
    QPalette palette = ui.lblSlide->palette();
    palette.setColor(QPalette::Window, Qt24(colors.sampleColor));
    palette.setColor(QPalette::WindowText, Qt24(colors.sampleTextColor));
    ui.lblSlide->setPalette(palette);
    ui.lblSlide->setText(colors.sampleCaption);
}
