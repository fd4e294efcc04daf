#pragma once

#include "editor/MainWindowTipTexts.h"

#include <array>
#include <memory>

class MainWindow;
class cToolTip;

// The main window's tips: the five tooltip managers and the plain tips of
// its controls, all switched on and off by ckToolTips. The tips are set
// again on every activation of the window, so the texts that depend on the
// settings follow the caption font and the skip amount.
class MainWindowTips {
public:
    explicit MainWindowTips(MainWindow& form);
    ~MainWindowTips();

    // Gives the five managers their looks.
    void Configure();
    // "Tips On" with every tip set, or "Tips Off" with every tip emptied.
    void toggleTips();

    cToolTip& manager(TipManager which);

private:
    void SetTip(const ControlTip& tip, cToolTip* manager, bool on);

    MainWindow& form;
    std::array<std::unique_ptr<cToolTip>, kTipManagers> managers;
};

// Configures the main window's tooltip managers (a start-up step).
void ConfigureToolTips(MainWindow& form);
