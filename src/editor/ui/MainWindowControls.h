#pragma once

#include <QtGlobal>
#include <array>

class ClickLabel;
class ColorSwatch;
class PictureView;
class PreviewStage;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;

// Every control of the main window, made by BuildForm1Layout and owned by
// the window through Qt's parent ownership. Object names are the names below;
// the members of a control array share one name and carry their index in the
// dynamic property "Index".
struct MainWindowControls {
    // The slide preview: Image1 over ImageBk and the colour swatch lblNewBkGnd.
    PreviewStage* preview = nullptr;
    PictureView* Image1 = nullptr;
    PictureView* ImageBk = nullptr;
    ColorSwatch* lblNewBkGnd = nullptr;

    // Caption: txtCaption inside its frame sample lblCaption.
    QLabel* lblCaptionfrm = nullptr;
    ColorSwatch* lblCaption = nullptr;
    QLineEdit* txtCaption = nullptr;
    QPushButton* cmdAddCaption = nullptr;

    // Counters.
    QLabel* lblNumPicSel = nullptr; // "Pictures Selected"
    QLabel* lblPicSelNum = nullptr;
    QLabel* lblPicNum = nullptr; // "Viewing Picture"
    QLabel* lblCount = nullptr;
    QLabel* lblPicsLeft = nullptr;

    // Commands.
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdChangePic = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdAllImages = nullptr;
    QPushButton* cmdShowOptForm = nullptr;
    QPushButton* cmdFinish = nullptr;
    QProgressBar* PBar1 = nullptr;

    // Stepping and auto run: 0 Forward, 1 ">>", 2 Auto Run, 3 "<<", 4 Back.
    std::array<QPushButton*, 5> cmdFB{};
    ClickLabel* lblAutoRun = nullptr;
    QLineEdit* txtPicTimeSec = nullptr;
    QScrollBar* VScrollSec = nullptr;
    QTimer* Timer1 = nullptr;

    // Palette and active colour.
    QGroupBox* fmeColors = nullptr;
    std::array<ColorSwatch*, 14> PicMFormColors{};
    ColorSwatch* picActiveColor = nullptr;
    QLabel* lblActiveColor = nullptr;
    QPushButton* ShowCTform = nullptr;

    // Caption colours and font.
    QGroupBox* fmeCaptionColors = nullptr;
    ColorSwatch* picCapForeColor = nullptr;
    QPushButton* cmdCapForeColor = nullptr;
    ColorSwatch* picCapBackColor = nullptr;
    QPushButton* cmdCapBackColor = nullptr;
    ColorSwatch* picCapFrameColor = nullptr;
    QPushButton* cmdCapFrameColor = nullptr;
    QPushButton* cmdFont = nullptr;

    // Colours of the generated navigation buttons, indexed like cmdFB.
    QGroupBox* fmeButtonColors = nullptr;
    std::array<ColorSwatch*, 5> picButBakColor{};

    // Background colour (element 0) or picture (element 1).
    QGroupBox* fmeBackGround = nullptr;
    std::array<QRadioButton*, 2> optBakPicColorOrPic{};
    ColorSwatch* picBackColor = nullptr;   // picBackColorOrPic element 0
    PictureView* picBackPicture = nullptr; // picBackColorOrPic element 1
    std::array<QPushButton*, 2> cmdPicBakColorOrPic{};

    // Which colour chooser the colour commands open.
    QGroupBox* fmeTintara = nullptr;
    std::array<QRadioButton*, 2> optFullOrCondTintara{};

    // Background song.
    QGroupBox* fmeSong = nullptr;
    QPushButton* cmdSelectSong = nullptr;
    QPushButton* cmdDeleteSong = nullptr;
    QCheckBox* Check1 = nullptr;
    QLabel* lblSongSeleted = nullptr;

    QCheckBox* ckToolTips = nullptr;

    // Menu.
    QMenu* mnuFile = nullptr;
    QAction* mnuAddPictures = nullptr;
    QAction* mnuFinish = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuTools = nullptr;
    QAction* mnuSortPictures = nullptr;
    QAction* mnuOptions = nullptr;
    QMenu* mnuHelpMenu = nullptr;
    QAction* mnuHelp = nullptr;
    QAction* mnuCFaboutProg = nullptr;
    QAction* mnuEmail = nullptr;
};

// Builds the controls into the window (its central widget and menu bar).
MainWindowControls BuildForm1Layout(QMainWindow& window);
