#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

namespace Ui {
class OptionsWindow;
}
class Prompter;
class QRadioButton;
class SlideShowProject;
class TiedSettings;

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
// and the reset of the whole project. Each control that holds a setting is
// tied to its row of the settings tables (TiedSettings), which names it.
// Every change applies at once; closing by any means keeps them. Controls of an array share one
// object name and carry their index in the dynamic property "Index".
class OptionsWindow : public QDialog {
    Q_OBJECT
public:
    OptionsWindow(SlideShowProject& project, Prompter& prompter, OptionsHooks hooks,
                  QWidget* parent = nullptr);
    ~OptionsWindow() override;

    // Closing: spreads the shared background and tells the main window.
    void done(int result) override;

    // Every control shows the settings.
    void CheckOptions();
    void toggleSameCaption();
    void chooseBackgroundPicture();
    void fastForwardStepTyped();
    void takeFastForwardStep();
    void scrollOptions();
    void resetOptions();
    void acceptOptions();
    void ShowSizesChoice();

    // The controls, named as in the Designer file; the members of an array
    // are reached through the arrays below.
    const std::unique_ptr<Ui::OptionsWindow> ui;
    std::array<QRadioButton*, 2> optBkGndImgOptForm{};
    std::array<QRadioButton*, 2> optPicBkGndColorOptionFrm{};

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setUpControls();
    void connectHandlers();
    void takeSkipAmount(qint16 amount);
    void confirmClose();

    SlideShowProject& project;
    Prompter& prompter;
    OptionsHooks hooks;
    // The controls tied to their rows of the settings tables; owned by the
    // window.
    TiedSettings* tied = nullptr;
    bool unloaded = false;
};
