#include "captionstyle/ui/CaptionStylePreview.h"

#include "captionstyle/CaptionFontLists.h"
#include "captionstyle/ui/SampleBrowser.h"
#include "document/ShowDocument.h"
#include "platform/Prompter.h"
#include "project/ShowSettings.h"
#include "ui_CaptionStylePreview.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>

CaptionStylePreview::CaptionStylePreview(ShowDocument& document, Prompter& prompter,
                                         std::function<SampleStyle()> showColors, QString folder,
                                         QWidget* parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::CaptionStylePreview>()),
      document(document), stepKey(document.NewMergeKey()), ask(prompter),
      showColors(std::move(showColors)), folder(std::move(folder)) {
    ui->setupUi(this);
    // The lists complete as the window says, never by Qt's own completer.
    for (QComboBox* box : {ui->cboFonts, ui->cboFontSize, ui->cboRecommedFonts, ui->cboMySettings})
        box->setCompleter(nullptr);
    load();
    connectHandlers();
}

CaptionStylePreview::~CaptionStylePreview() = default;

void CaptionStylePreview::connectHandlers() {
    connect(ui->cboFonts->lineEdit(), &QLineEdit::textEdited, this, [this] { completeFontName(); });
    connect(ui->cboFonts, &QComboBox::activated, this, [this] { confirmFont(); });
    connect(ui->cboFontSize, &QComboBox::editTextChanged, this, [this] { takeFontSize(); });
    connect(ui->cboRecommedFonts, &QComboBox::activated, this, [this] { applyRecommended(); });
    connect(ui->cboMySettings, &QComboBox::activated, this,
            [this](int i) { applySavedSettings(i); });
    connect(ui->cmdShowthissample, &QPushButton::clicked, this, [this] { showSample(); });
    connect(ui->txtSampleCap, &QLineEdit::returnPressed, this, [this] { showSample(); });
    connect(ui->cmdDefaultSettings, &QPushButton::clicked, this, [this] { restoreDefaults(); });
    connect(ui->cmdSavethesesettings, &QPushButton::clicked, this, [this] { saveSettings(); });
    connect(ui->cmdDeleteSettings, &QPushButton::clicked, this, [this] { deleteSettings(); });
    connect(ui->cmdExit, &QPushButton::clicked, this, [this] { close(); });
    // Escape does what the close box does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            [this] { close(); });
    // A combo box keeps the focus itself and hands keys to its text box
    // directly, so the boxes are watched rather than their text boxes.
    ui->cboFonts->installEventFilter(this);
    ui->cboFontSize->installEventFilter(this);
    ui->cboRecommedFonts->installEventFilter(this);
}

void CaptionStylePreview::load() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (const QString& family : QFontDatabase::families())
        if (!family.isEmpty())
            ui->cboFonts->addItem(family);
    QApplication::restoreOverrideCursor();
    const ShowSettings& settings = document.show().settings;
    setFontText(settings.FontInUse.isEmpty() ? QStringLiteral("Times New Roman")
                                             : settings.FontInUse);

    ui->cboFontSize->addItems(FontSizeList());
    setSizeText(settings.FontSizeInUse.isEmpty() ? FontSizeList().at(kFirstOpeningSizeEntry)
                                                 : settings.FontSizeInUse);

    ui->cboRecommedFonts->addItems(RecommendedFonts());
    // The recommended box shows the default pair without applying it.
    suppressRecommended = true;
    selectRecommended(kRecommendedDefault);

    ui->txtSampleCap->setText(QStringLiteral("Type in the Caption of your choice here."));
    loadSetsFile();
}

QStringList CaptionStylePreview::fontEntries() const {
    QStringList fonts;
    fonts.reserve(ui->cboFonts->count());
    for (int i = 0; i < ui->cboFonts->count(); ++i)
        fonts << ui->cboFonts->itemText(i);
    return fonts;
}

// The font box shows a text as if it had been typed without completion.
void CaptionStylePreview::setFontText(const QString& text) {
    {
        const QSignalBlocker block(ui->cboFonts);
        const int index = ui->cboFonts->findText(text);
        if (index >= 0)
            ui->cboFonts->setCurrentIndex(index);
        ui->cboFonts->setEditText(text);
    }
    keepFont(ui->cboFonts->currentText());
}

void CaptionStylePreview::setSizeText(const QString& text) {
    {
        const QSignalBlocker block(ui->cboFontSize);
        const int index = ui->cboFontSize->findText(text);
        if (index >= 0)
            ui->cboFontSize->setCurrentIndex(index);
        ui->cboFontSize->setEditText(text);
    }
    takeFontSize();
}

void CaptionStylePreview::completeFontName() {
    if (fontSelectionInProgress)
        return;
    QLineEdit* edit = ui->cboFonts->lineEdit();
    const QString typed = edit->text();
    const QStringList fonts = fontEntries();
    const int found = lastKeyWasBackspace ? -1 : FindFontEntry(fonts, typed);
    lastKeyWasBackspace = false;
    if (found >= 0) {
        // Complete the text; the caret stays after what was typed and the
        // completed rest is selected, so typing on replaces it.
        fontSelectionInProgress = true;
        const QString entry = fonts.at(found);
        edit->setText(entry);
        edit->setCursorPosition(static_cast<int>(entry.size()));
        edit->cursorBackward(true, static_cast<int>(entry.size() - typed.size()));
        fontSelectionInProgress = false;
    }
    keepFont(ui->cboFonts->currentText());
}

void CaptionStylePreview::confirmFont() {
    const QString text = ui->cboFonts->currentText();
    if (FindFontEntry(fontEntries(), text) < 0)
        ask.inform(QStringLiteral("Sorry, but there is no match for '") + text +
                       QStringLiteral("'."),
                   QStringLiteral("Find Results"));
    keepFont(ui->cboFonts->currentText());
}

void CaptionStylePreview::takeFontSize() {
    keepSize(ui->cboFontSize->currentText());
}

void CaptionStylePreview::keepFont(const QString& font) {
    document.Change(
        EditKind::CaptionFont, [&font](SlideShowProject& show) { show.settings.FontInUse = font; },
        stepKey);
}

void CaptionStylePreview::keepSize(const QString& size) {
    document.Change(
        EditKind::CaptionFont,
        [&size](SlideShowProject& show) { show.settings.FontSizeInUse = size; }, stepKey);
}

void CaptionStylePreview::correctFontSize() {
    const QString size = CorrectedFontSize(ui->cboFontSize->currentText());
    if (size != ui->cboFontSize->currentText())
        setSizeText(size);
    keepSize(size);
}

void CaptionStylePreview::selectRecommended(int index) {
    {
        const QSignalBlocker block(ui->cboRecommedFonts);
        ui->cboRecommedFonts->setCurrentIndex(index);
    }
    applyRecommended();
}

void CaptionStylePreview::applyRecommended() {
    if (std::exchange(suppressRecommended, false))
        return;
    const CaptionFont pair =
        RecommendedPair(ui->cboRecommedFonts->itemText(ui->cboRecommedFonts->currentIndex()));
    setFontText(pair.name);
    setSizeText(pair.size);
}

void CaptionStylePreview::checkRecommended() {
    if (RecommendedFonts().contains(ui->cboRecommedFonts->currentText()))
        return;
    selectRecommended(kRecommendedDefault);
    confirmFont();
}

void CaptionStylePreview::restoreDefaults() {
    selectRecommended(kRecommendedDefault);
    confirmFont();
}

void CaptionStylePreview::applySavedSettings(int index) {
    if (index < 0 || index >= sets.size())
        return;
    const StyleSet& set = sets.at(index);
    setFontText(set.font);
    setSizeText(set.size);
    ui->txtSampleCap->setText(set.caption);
}

bool CaptionStylePreview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->cboFonts && event->type() == QEvent::KeyPress) {
        // Deleting keys take the completed rest away: no completion after them.
        const int key = static_cast<QKeyEvent*>(event)->key();
        lastKeyWasBackspace = key == Qt::Key_Backspace || key == Qt::Key_Delete;
    } else if (event->type() == QEvent::FocusOut &&
               static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        // Leaving a box, not opening its own list.
        if (watched == ui->cboFontSize)
            correctFontSize();
        else if (watched == ui->cboRecommedFonts)
            checkRecommended();
    }
    return QWidget::eventFilter(watched, event);
}

void CaptionStylePreview::closeEvent(QCloseEvent* event) {
    if (!setsSaved) {
        setsSaved = true;
        saveSetsFile();
    }
    event->accept();
    emit closed();
}
