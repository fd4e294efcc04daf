#pragma once

#include "project/StoredSettings.h"

#include <QString>

class QSettings;
class SlideShowProject;

// What the main window does for the start-up steps that reach beyond the
// project: its controls, the tooltips, the palette and the windows it loads
// without showing them.
class StartUpWindow : public SettingsControls {
public:
    // FillBackgrounds from slot 0, with the window's progress bar.
    virtual void fillBackgrounds() = 0;
    // The tooltip objects of the window.
    virtual void configureToolTips() = 0;
    // The 14 palette boxes from the user colour file.
    virtual void loadUserColors() = 0;
    // Window caption "Picture #" n and the count label.
    virtual void showPictureNumber(int n) = 0;
    // FontInUse and FontSizeInUse from the caption style preview's default.
    virtual void takeDefaultCaptionFont() = 0;
    // The options window, loaded and closed once without being shown.
    virtual void loadAndUnloadOptions() = 0;
    // The window's size and place on the screen.
    virtual void placeWindow() = 0;
    // lblPicsLeft.
    virtual void showPicturesLeft() = 0;
    // The tooltip switch (ckToolTips) applied to every tooltip object.
    virtual void switchToolTips() = 0;
    // txtCaption takes FontInUse.
    virtual void applyCaptionFont() = 0;
};

// The main window's load: a fresh project with its first block of slots,
// the palette, the stored settings, the default caption font when none is
// stored, the options window loaded once, then the counters and the caption
// font. `programFolder` holds the default pictures.
void RunStartUp(SlideShowProject& project, QSettings& store, StartUpWindow& window,
                const QString& programFolder, const QString& homeFolder);
