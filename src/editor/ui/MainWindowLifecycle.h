#pragma once

#include "project/StartUp.h"

#include <QObject>

class MainWindow;

// The main window's load and its close: the start-up steps that touch the
// window's controls and the windows beside it, the stored settings read into
// the controls and saved from them, and the exit question.
class MainWindowLifecycle : public QObject, public StartUpWindow {
    Q_OBJECT
public:
    explicit MainWindowLifecycle(MainWindow& form);

    // Runs the start-up sequence with the user's stored settings.
    void startUp();
    // Asks before the tool ends; on Yes saves the settings and closes every
    // other window of the tool. False keeps the tool open.
    bool confirmClose();

    // Settings controls.
    void selectBackgroundMode(int index) override;
    void selectColorChooser(int index) override;
    bool colorToolSelected() const override;
    void tickToolTips(bool on) override;
    bool toolTipsTicked() const override;
    void tickSound(bool on) override;
    bool soundTicked() const override;
    bool showDelay(qint16 seconds) override;
    void showCaptionForeColor(ColorValue color) override;
    void showCaptionBackColor(ColorValue color) override;
    ColorValue captionBoxBackColor() const override;
    void showNewBackgroundColor(ColorValue color) override;
    ColorValue newBackgroundColor() const override;
    void refreshColorBoxes() override;

    // Start-up steps.
    void fillBackgrounds() override;
    void configureToolTips() override;
    void loadUserColors() override;
    void showPictureNumber(int n) override;
    void takeDefaultCaptionFont() override;
    void loadAndUnloadOptions() override;
    void placeWindow() override;
    void showPicturesLeft() override;
    void switchToolTips() override;
    void applyCaptionFont() override;

private:
    void releaseToolTips();

    MainWindow& form;
};
