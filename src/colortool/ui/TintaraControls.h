#pragma once

#include "colortool/ColorChart.h"

#include <array>

class CompletingCombo;
class PaletteBox;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QToolBar;

// Every control of the colour tool, named after the tool's own control
// names. Built by BuildTintaraLayout.
struct TintaraControls {
    QGroupBox* Frame1 = nullptr;
    std::array<PaletteBox*, ColorChart::kBoxes> Picture1{};
    QLabel* Label1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    PaletteBox* picColorSel = nullptr;
    QGroupBox* Frame5 = nullptr;
    QPlainTextEdit* txtHexValue = nullptr;
    QPlainTextEdit* txtDecValue = nullptr;
    QGroupBox* Frame4 = nullptr;
    CompletingCombo* Combo1 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QLabel* Label4 = nullptr;
    std::array<QLineEdit*, 6> txtColValue{};
    QPushButton* cmdDecColVal = nullptr;
    QPushButton* cmdHexColVal = nullptr;
    QGroupBox* fraRGBColors = nullptr;
    std::array<QSlider*, 3> Slide{};
    std::array<QLabel*, 3> lblRGB{};
    QLabel* lblSlide = nullptr;
    QPushButton* cmdSlideSel = nullptr;
    QLabel* lblShowCB = nullptr;
    QPushButton* cmdShowMeColors = nullptr;
    QPushButton* cmdFont = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* cmdExit = nullptr;
    QAction* mnuImport = nullptr;
    QAction* mnuExport = nullptr;
    QAction* mnuHelp = nullptr;
    QAction* mnuExit = nullptr;
    QToolBar* Toolbar1 = nullptr;
    QAction* tbImport = nullptr;
    QAction* tbExport = nullptr;
    QAction* tbHelp = nullptr;
};
