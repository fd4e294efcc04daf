#include "captionstyle/ui/frmPreview.h"

#include "captionstyle/CaptionFontLists.h"
#include "captionstyle/ui/SampleBrowser.h"
#include "platform/Prompter.h"
#include "project/ShowSettings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>

frmPreview::frmPreview(ShowSettings& settings, Prompter& prompter,
                       std::function<SampleStyle()> showColors, QString folder, QWidget* parent)
    : QWidget(parent, Qt::Window), settings(settings), ask(prompter),
      showColors(std::move(showColors)), folder(std::move(folder)) {
    setObjectName(QStringLiteral("frmPreview"));
    buildLayout();
    Form_Load();
    connectHandlers();
}

frmPreview::~frmPreview() = default;

void frmPreview::connectHandlers() {
    connect(cboFonts->lineEdit(), &QLineEdit::textEdited, this, [this] { cboFonts_Change(); });
    connect(cboFonts, &QComboBox::activated, this, [this] { cboFonts_Click(); });
    connect(cboFontSize, &QComboBox::editTextChanged, this, [this] { cboFontSize_Change(); });
    connect(cboRecommedFonts, &QComboBox::activated, this, [this] { cboRecommedFonts_Click(); });
    connect(cboMySettings, &QComboBox::activated, this, [this](int i) { cboMySettings_Click(i); });
    connect(cmdShowthissample, &QPushButton::clicked, this, [this] { cmdShowthissample_Click(); });
    connect(txtSampleCap, &QLineEdit::returnPressed, this, [this] { cmdShowthissample_Click(); });
    connect(cmdDefaultSettings, &QPushButton::clicked, this,
            [this] { cmdDefaultSettings_Click(); });
    connect(cmdSavethesesettings, &QPushButton::clicked, this,
            [this] { cmdSavethesesettings_Click(); });
    connect(cmdDeleteSettings, &QPushButton::clicked, this, [this] { cmdDeleteSettings_Click(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
    // Escape does what the close box does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            [this] { cmdExit_Click(); });
    // A combo box keeps the focus itself and hands keys to its text box
    // directly, so the boxes are watched rather than their text boxes.
    cboFonts->installEventFilter(this);
    cboFontSize->installEventFilter(this);
    cboRecommedFonts->installEventFilter(this);
}

void frmPreview::Form_Load() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (const QString& family : QFontDatabase::families())
        if (!family.isEmpty())
            cboFonts->addItem(family);
    QApplication::restoreOverrideCursor();
    setFontText(settings.FontInUse.isEmpty() ? QStringLiteral("Times New Roman")
                                             : settings.FontInUse);

    cboFontSize->addItems(FontSizeList());
    setSizeText(settings.FontSizeInUse.isEmpty() ? FontSizeList().at(kFirstOpeningSizeEntry)
                                                 : settings.FontSizeInUse);

    cboRecommedFonts->addItems(RecommendedFonts());
    // The recommended box shows the default pair without applying it.
    suppressRecommended = true;
    selectRecommended(kRecommendedDefault);

    txtSampleCap->setText(QStringLiteral("Type in the Caption of your choice here."));
    LoadSettingsFile();
}

QStringList frmPreview::fontEntries() const {
    QStringList fonts;
    fonts.reserve(cboFonts->count());
    for (int i = 0; i < cboFonts->count(); ++i)
        fonts << cboFonts->itemText(i);
    return fonts;
}

// The font box shows a text as if it had been typed without completion.
void frmPreview::setFontText(const QString& text) {
    {
        const QSignalBlocker block(cboFonts);
        const int index = cboFonts->findText(text);
        if (index >= 0)
            cboFonts->setCurrentIndex(index);
        cboFonts->setEditText(text);
    }
    settings.FontInUse = cboFonts->currentText();
}

void frmPreview::setSizeText(const QString& text) {
    {
        const QSignalBlocker block(cboFontSize);
        const int index = cboFontSize->findText(text);
        if (index >= 0)
            cboFontSize->setCurrentIndex(index);
        cboFontSize->setEditText(text);
    }
    cboFontSize_Change();
}

void frmPreview::cboFonts_Change() {
    if (fontSelectionInProgress)
        return;
    QLineEdit* edit = cboFonts->lineEdit();
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
    settings.FontInUse = cboFonts->currentText();
}

void frmPreview::cboFonts_Click() {
    const QString text = cboFonts->currentText();
    if (FindFontEntry(fontEntries(), text) < 0)
        ask.inform(QStringLiteral("Sorry, but there is no match for '") + text +
                       QStringLiteral("'."),
                   QStringLiteral("Find Results"));
    settings.FontInUse = cboFonts->currentText();
}

void frmPreview::cboFontSize_Change() {
    settings.FontSizeInUse = cboFontSize->currentText();
}

void frmPreview::cboFontSize_LostFocus() {
    const QString size = CorrectedFontSize(cboFontSize->currentText());
    if (size != cboFontSize->currentText())
        setSizeText(size);
    settings.FontSizeInUse = size;
}

void frmPreview::selectRecommended(int index) {
    {
        const QSignalBlocker block(cboRecommedFonts);
        cboRecommedFonts->setCurrentIndex(index);
    }
    cboRecommedFonts_Click();
}

void frmPreview::cboRecommedFonts_Click() {
    if (std::exchange(suppressRecommended, false))
        return;
    const CaptionFont pair =
        RecommendedPair(cboRecommedFonts->itemText(cboRecommedFonts->currentIndex()));
    setFontText(pair.name);
    setSizeText(pair.size);
}

void frmPreview::cboRecommedFonts_LostFocus() {
    if (RecommendedFonts().contains(cboRecommedFonts->currentText()))
        return;
    selectRecommended(kRecommendedDefault);
    cboFonts_Click();
}

void frmPreview::cmdDefaultSettings_Click() {
    selectRecommended(kRecommendedDefault);
    cboFonts_Click();
}

void frmPreview::cboMySettings_Click(int index) {
    if (index < 0 || index >= sets.size())
        return;
    const StyleSet& set = sets.at(index);
    setFontText(set.font);
    setSizeText(set.size);
    txtSampleCap->setText(set.caption);
}

bool frmPreview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cboFonts && event->type() == QEvent::KeyPress) {
        // Deleting keys take the completed rest away: no completion after them.
        const int key = static_cast<QKeyEvent*>(event)->key();
        lastKeyWasBackspace = key == Qt::Key_Backspace || key == Qt::Key_Delete;
    } else if (event->type() == QEvent::FocusOut &&
               static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        // Leaving a box, not opening its own list.
        if (watched == cboFontSize)
            cboFontSize_LostFocus();
        else if (watched == cboRecommedFonts)
            cboRecommedFonts_LostFocus();
    }
    return QWidget::eventFilter(watched, event);
}

void frmPreview::cmdExit_Click() {
    close();
}

void frmPreview::closeEvent(QCloseEvent* event) {
    if (!setsSaved) {
        setsSaved = true;
        SaveSettingsFile();
    }
    event->accept();
    emit closed();
}
