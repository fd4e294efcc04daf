#pragma once

#include <QObject>

class ColorWorkbench;
class MainWindow;
class SlideEditing;
struct OptionsHooks;

// Opens the options window from the main window ("Options..." and the
// Options menu entry) and applies what it leaves pending when it closes.
class OptionsCommand : public QObject {
    Q_OBJECT
public:
    OptionsCommand(MainWindow& form, SlideEditing& editing, ColorWorkbench& colors);

    void showOptions();
    // Start-up: the window is loaded and closed once without being shown,
    // which spreads the shared background and leaves OptionsChanged for the
    // first activation.
    void LoadAndUnload();

private:
    OptionsHooks hooks();
    // The main window after a reset: no slide, no picture, fresh counters.
    void ProjectReset();

    MainWindow& form;
    SlideEditing& editing;
    ColorWorkbench& colors;
};
