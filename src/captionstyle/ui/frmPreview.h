#pragma once

#include "captionstyle/SamplePage.h"
#include "captionstyle/StyleSets.h"

#include <QWidget>
#include <functional>
#include <memory>

class Prompter;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SampleBrowser;
struct ShowSettings;

// The caption style preview "Actual Html Preview": the caption font and size
// (FontInUse, FontSizeInUse) chosen from the installed fonts, the sizes or
// the recommended pairs, tried on a sample page in an embedded browser, and
// kept as named sets in the sets file of the writable program folder.
//
// Built without showing it, the window reads the fonts and the sets file but
// starts no browser; the browser (and the web engine with it) is made the
// first time the window is shown. The sets file is written when the window
// closes.
class frmPreview : public QWidget {
    Q_OBJECT
public:
    // `showColors` gives the show's current colours for the sample (font,
    // size and caption are the window's own); `folder` holds the sets file
    // and the sample page.
    frmPreview(ShowSettings& settings, Prompter& prompter, std::function<SampleStyle()> showColors,
               QString folder, QWidget* parent = nullptr);
    ~frmPreview() override;

    void cboFonts_Change();
    void cboFonts_Click();
    void cboFontSize_Change();
    void cboFontSize_LostFocus();
    void cboRecommedFonts_Click();
    void cboRecommedFonts_LostFocus();
    void cboMySettings_Click(int index);
    void cmdShowthissample_Click();
    void cmdDefaultSettings_Click();
    void cmdSavethesesettings_Click();
    void cmdDeleteSettings_Click();
    void cmdExit_Click();

    const QList<StyleSet>& styleSets() const { return sets; }
    // The browser once the window has been shown (nullptr before, or when
    // the browser module could not be loaded).
    SampleBrowser* browser() const { return WebBrowser1.get(); }

    QComboBox* cboFonts = nullptr;
    QComboBox* cboFontSize = nullptr;
    QComboBox* cboRecommedFonts = nullptr;
    QComboBox* cboMySettings = nullptr;
    QLineEdit* txtSampleCap = nullptr;
    QPushButton* cmdShowthissample = nullptr;
    QPushButton* cmdDefaultSettings = nullptr;
    QPushButton* cmdSavethesesettings = nullptr;
    QPushButton* cmdDeleteSettings = nullptr;
    QPushButton* cmdExit = nullptr;
    QGroupBox* fmeCaption = nullptr;
    QGroupBox* fmeAttributes = nullptr;
    QLabel* lblBrowser = nullptr;

signals:
    // The sample page has been written and shown (ok) or could not be.
    void sampleShown(bool ok);
    // The window has been closed (the sets file written).
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void connectHandlers();
    void Form_Load();
    void LoadSettingsFile();
    void SaveSettingsFile();
    QStringList fontEntries() const;
    void setFontText(const QString& text);
    void setSizeText(const QString& text);
    void selectRecommended(int index);
    void fileProblem(const QString& reason);

    ShowSettings& settings;
    Prompter& ask;
    std::function<SampleStyle()> showColors;
    QString folder;
    QList<StyleSet> sets;
    std::unique_ptr<SampleBrowser> WebBrowser1;
    QWidget* browserPlace = nullptr;

    bool suppressRecommended = false;
    bool lastKeyWasBackspace = false;
    bool fontSelectionInProgress = false;
    bool setsSaved = false;
    bool setsChanged = false;
    bool readCleanly = true;
};
