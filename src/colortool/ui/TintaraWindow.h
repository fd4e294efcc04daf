#pragma once

#include "colortool/ColorChart.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

namespace Ui {
class TintaraWindow;
}
class cToolTip;
class ClipboardWindow;
class ColorToolHost;
class PaletteBox;
class Prompter;
class QLabel;
class QLineEdit;
class QSlider;
class SchemeSaveWindow;
class ShowDocument;

// The colour tool "Tintara" (objectName frmMyColorChart): a thin window over
// ColorChart. Every handler passes the user's input to the chart and shows
// its state again.
//
// Files: TintaraWindow.ui holds the controls, TintaraTips.cpp the tooltip
// switch and texts, TintaraMenu.cpp the menu, toolbar, help and the colour
// scheme window, this file the colour handlers.
class TintaraWindow : public QMainWindow {
    Q_OBJECT
public:
    TintaraWindow(ShowDocument& document, ColorToolHost& host, Prompter& prompter,
                  const QString& programFolder, const QString& dataFolder,
                  QWidget* parent = nullptr);
    ~TintaraWindow() override;

    ColorChart& chart() { return colors; }
    Prompter& prompter() { return ask; }
    // The colour scheme window while it is open.
    SchemeSaveWindow* schemeWindow() const;
    ClipboardWindow* clipboardWindow() const;

    // The window's tooltip managers, each with its own look; kPlainTips holds
    // the one-line tips of the other controls.
    enum TipManager {
        kUserBoxTips,
        kRedTips,
        kGreenTips,
        kBlueTips,
        kBlackTips,
        kMoreColorsTips,
        kPlainTips
    };
    cToolTip& tipManager(TipManager which) const { return *tipManagers[which]; }

    // Closes the tool keeping the selected colour.
    void selectAndClose();
    // Turns every tip of the window on or off, as the check box says.
    void switchToolTips();
    void showClipboard();
    void importScheme() { showSchemes(0); }
    void exportScheme() { showSchemes(1); }
    void showHelp();
    void hideTool() { hide(); }
    // Shows every value of the chart in the controls.
    void showState();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load();
    void setUpControls();
    void makeTipManagers();
    void connectControls();
    void connectMenu();
    void fillNames();
    void showSchemes(int option);
    void movePaletteFocus(int box, int dx, int dy);
    void chooseSampleFont();

    std::unique_ptr<Ui::TintaraWindow> ui;
    std::array<PaletteBox*, ColorChart::kBoxes> boxes{};
    std::array<QLineEdit*, 6> channelBoxes{};
    std::array<QSlider*, 3> sliders{};
    std::array<QLabel*, 3> sliderNumbers{};
    Prompter& ask;
    ColorChart colors;
    QPointer<SchemeSaveWindow> schemes;
    QPointer<ClipboardWindow> clipboardView;
    QString dataFolder;
    std::array<cToolTip*, 7> tipManagers{}; // owned by the window
};
