#include "project/StartUp.h"

#include "project/SlideShowProject.h"

#include <QDir>

void RunStartUp(SlideShowProject& project, QSettings& store, StartUpWindow& window,
                const QString& programFolder, const QString& homeFolder) {
    ShowSettings& s = project.settings;
    project.flags.CompileCancelled = false;
    s.SongPath.clear();
    project.flags.OptionsChanged = false;
    // From an empty table this always grows: the show cannot be full.
    project.GrowSlots();
    // Every flag still has its start value, so this changes nothing visible.
    window.fillBackgrounds();
    window.configureToolTips();
    window.loadUserColors();
    window.showPictureNumber(0);
    ReadInSettings(store, s, project.tool, window, programFolder, homeFolder);
    if (s.FontInUse.isEmpty())
        window.takeDefaultCaptionFont();
    s.NewBkPicture =
        QDir::toNativeSeparators(QDir(programFolder).filePath(QStringLiteral("clouds.jpg")));
    window.loadAndUnloadOptions();
    window.placeWindow();
    window.showPicturesLeft();
    project.flags.OpenPgBkPicChanged = false;
    window.switchToolTips();
    window.applyCaptionFont();
}
