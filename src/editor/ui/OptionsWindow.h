#pragma once

#include <QDialog>
#include <array>
#include <functional>

class PictureView;
class Prompter;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSpinBox;
class SlideShowProject;

// What the options window asks of the main window.
struct OptionsHooks {
    // FillBackgrounds(0) with the main window's progress bar.
    std::function<void()> FillBackgrounds;
    // The main window's single-file picture dialog (AddSinglePic); with
    // OpenPgBkPicChanged set, the file chosen becomes OpenPgBkPic and the
    // flag is cleared.
    std::function<void()> AddSinglePic;
    // The caption box shows this text.
    std::function<void(const QString&)> ShowCaption;
    // The project has just been emptied: counters, caption, picture preview.
    std::function<void()> ProjectReset;
};

// The options window: show-wide preferences that are not on the main window,
// and the reset of the whole project. Every change applies at once; closing
// by any means keeps them. Controls of an array share one object name and
// carry their index in the dynamic property "Index".
class OptionsWindow : public QDialog {
    Q_OBJECT
public:
    OptionsWindow(SlideShowProject& project, Prompter& ui, OptionsHooks hooks,
                  QWidget* parent = nullptr);

    // Closing: spreads the shared background and tells the main window.
    void done(int result) override;

    void CheckOptions();
    void toggleFlashing();
    void toggleSameCaption();
    void chooseBackgroundPicture();
    void useBackgroundPictureOption(int index);
    void useBackgroundColorOption(int index);
    void fastForwardStepTyped();
    void takeFastForwardStep();
    void scrollOptions();
    void resetOptions();
    void acceptOptions();
    void toggleFitPictures();
    void togglePictureSizes();
    void ShowSizesChoice();
    void takeFitSide();

    QCheckBox* ckFlashing = nullptr;
    QCheckBox* ckSameCaption = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* cmdReset = nullptr;
    QGroupBox* Frame5 = nullptr;
    PictureView* PicBxOpenBkPic = nullptr;
    QPushButton* cmdOpenBkPic = nullptr;
    QGroupBox* Frame3 = nullptr;
    std::array<QRadioButton*, 2> optBkGndImgOptForm{};
    QGroupBox* Frame2 = nullptr;
    std::array<QRadioButton*, 2> optPicBkGndColorOptionFrm{};
    QGroupBox* Frame1 = nullptr;
    QLineEdit* txtFFRev = nullptr;
    QScrollBar* VScrollopt = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblFFRevButttons = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* cmdOk = nullptr;
    QCheckBox* ckFitPictures = nullptr;
    QCheckBox* ckPlayer = nullptr;
    QLabel* lblSizesCache = nullptr;
    QSpinBox* spnSizesCache = nullptr;
    QLabel* lblFitWidth = nullptr;
    QLineEdit* txtFitWidth = nullptr;
    QLabel* lblFitHeight = nullptr;
    QLineEdit* txtFitHeight = nullptr;
    QCheckBox* ckPictureSizes = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    QLayout* buildFitRow();
    void connectHandlers();
    void showOpeningPagePicture();
    void confirmClose();

    SlideShowProject& project;
    Prompter& ui;
    OptionsHooks hooks;
    bool unloaded = false;
};
