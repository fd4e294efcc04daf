#pragma once

#include "captionstyle/SamplePage.h"
#include "captionstyle/StyleSets.h"

#include <QWidget>
#include <functional>
#include <memory>

namespace Ui {
class CaptionStylePreview;
}
class Prompter;
class SampleBrowser;
class ShowDocument;

// The caption style preview "Actual Html Preview" (objectName frmPreview):
// the caption font and size (FontInUse, FontSizeInUse) chosen from the
// installed fonts, the sizes or the recommended pairs, tried on a sample page
// in an embedded browser, and kept as named sets in the sets file of the
// writable program folder. The font and size the boxes take are the show's
// at once: every change of them while the window is open is one step of the
// show's document.
//
// Built without showing it, the window reads the fonts and the sets file but
// starts no browser; the browser (and the web engine with it) is made the
// first time the window is shown. The sets file is written when the window
// closes.
class CaptionStylePreview : public QWidget {
    Q_OBJECT
public:
    // `showColors` gives the show's current colours for the sample (font,
    // size and caption are the window's own); `folder` holds the sets file
    // and the sample page.
    CaptionStylePreview(ShowDocument& document, Prompter& prompter,
                        std::function<SampleStyle()> showColors, QString folder,
                        QWidget* parent = nullptr);
    ~CaptionStylePreview() override;

    // Completes the typed font name from the installed fonts.
    void completeFontName();
    // Takes the font box's text, saying so when no installed font matches.
    void confirmFont();
    void takeFontSize();
    // Leaving the size box puts a size the pages can use into it.
    void correctFontSize();
    void applyRecommended();
    // Leaving the recommended box with a text of no pair brings the default.
    void checkRecommended();
    void applySavedSettings(int index);
    void showSample();
    void restoreDefaults();
    void saveSettings();
    void deleteSettings();

    const QList<StyleSet>& styleSets() const { return sets; }
    // The browser once the window has been shown (nullptr before, or when
    // the browser module could not be loaded).
    SampleBrowser* browser() const { return sampleBrowser.get(); }

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
    void connectHandlers();
    void load();
    void loadSetsFile();
    void saveSetsFile();
    QStringList fontEntries() const;
    void setFontText(const QString& text);
    void setSizeText(const QString& text);
    void selectRecommended(int index);
    void fileProblem(const QString& reason);
    // The show takes the font name or size.
    void keepFont(const QString& font);
    void keepSize(const QString& size);

    std::unique_ptr<Ui::CaptionStylePreview> ui;
    ShowDocument& document;
    // The one step this opening's changes make.
    quint64 stepKey;
    Prompter& ask;
    std::function<SampleStyle()> showColors;
    QString folder;
    QList<StyleSet> sets;
    std::unique_ptr<SampleBrowser> sampleBrowser;

    bool suppressRecommended = false;
    bool lastKeyWasBackspace = false;
    bool fontSelectionInProgress = false;
    bool setsSaved = false;
    bool setsChanged = false;
    bool readCleanly = true;
};
