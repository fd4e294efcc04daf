#pragma once

#include "colortool/ColorChart.h"
#include "colortool/ui/TintaraControls.h"

#include <QMainWindow>
#include <QPointer>
#include <array>

class cToolTip;
class ClipboardWindow;
class ColorToolHost;
class frmSavetxt;
class Prompter;
class SlideShowProject;

// The colour tool "Tintara": a thin window over ColorChart. Every handler
// passes the user's input to the chart and shows its state again.
//
// Files: TintaraLayout.cpp builds the controls, TintaraTips.cpp holds the
// tooltip switch and texts, TintaraMenu.cpp the menu, toolbar, help and the
// colour scheme window, this file the colour handlers.
class frmMyColorChart : public QMainWindow {
    Q_OBJECT
public:
    frmMyColorChart(SlideShowProject& project, ColorToolHost& host, Prompter& prompter,
                    const QString& programFolder, const QString& dataFolder,
                    QWidget* parent = nullptr);
    ~frmMyColorChart() override;

    TintaraControls ui;
    ColorChart& chart() { return colors; }
    Prompter& prompter() { return ask; }
    // The colour scheme window while it is open.
    frmSavetxt* schemeWindow() const;
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

    void cmdExit_Click();
    void Check1_Click();
    void lblShowCB_Click();
    void mnuImport_Click() { showSchemes(0); }
    void mnuExport_Click() { showSchemes(1); }
    void mnuHelp_Click();
    void mnuExit_Click() { hide(); }
    // Shows every value of the chart in the controls.
    void showState();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void makeTipManagers();
    void connectControls();
    void connectMenu();
    void fillNames();
    void showSchemes(int option);
    void movePaletteFocus(int box, int dx, int dy);
    void cmdFont_Click();

    Prompter& ask;
    ColorChart colors;
    QPointer<frmSavetxt> schemes;
    QPointer<ClipboardWindow> clipboardView;
    QString dataFolder;
    std::array<cToolTip*, 7> tipManagers{}; // owned by the window
};
