#pragma once

#include "ui_MainWindow.h"

#include <array>

class ColorSwatch;
class PictureView;
class QMainWindow;
class QPushButton;
class QRadioButton;
class QTimer;

// Every control of the main window: those of its Designer file
// (MainWindow.ui), named as there, and what that file cannot hold: the
// control arrays, the preview's own pictures and the timer. The members of a
// control array share one object name and carry their index in the dynamic
// property "Index".
struct MainWindowControls : Ui::MainWindow {
    // Builds the controls into the window and gives them what the Designer
    // file cannot say.
    void setUp(QMainWindow& window);

    // The slide preview's own pictures and colour swatch.
    PictureView* Image1 = nullptr;
    PictureView* ImageBk = nullptr;
    ColorSwatch* lblNewBkGnd = nullptr;

    // Stepping and auto run: 0 Forward, 1 ">>", 2 Auto Run, 3 "<<", 4 Back.
    std::array<QPushButton*, 5> cmdFB{};
    QTimer* Timer1 = nullptr;
    std::array<ColorSwatch*, 14> PicMFormColors{};
    // Colours of the generated navigation buttons, indexed like cmdFB.
    std::array<ColorSwatch*, 5> picButBakColor{};
    // Background colour (element 0) or picture (element 1).
    std::array<QRadioButton*, 2> optBakPicColorOrPic{};
    ColorSwatch* picBackColor = nullptr;   // picBackColorOrPic element 0
    PictureView* picBackPicture = nullptr; // picBackColorOrPic element 1
    std::array<QPushButton*, 2> cmdPicBakColorOrPic{};
    // Which colour chooser the colour commands open.
    std::array<QRadioButton*, 2> optFullOrCondTintara{};
};
