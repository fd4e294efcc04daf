#pragma once

#include "publish/RcloneCall.h"

#include <QString>

class CompileHost;
class Prompter;
class QWidget;
class SlideShowProject;

// What File > Publish Show... needs from the window that runs it.
struct PublishWindowContext {
    QWidget* window = nullptr;
    Prompter& ui;
    // Asks the compile's questions as Make HTML File asks them.
    CompileHost& host;
    QString programFolder;
    QString cacheFolder; // the staging folder is made below it
    RcloneProgram rclone = {};
};

// File > Publish Show...: asks where to (PublishDialog, with New Remote...),
// compiles the show into a staging folder in the user's cache and sends it
// with the progress window. The project keeps the target in `publish`.
// Returns true when the show's target changed (the show has unsaved changes).
bool PublishFromWindow(SlideShowProject& p, PublishWindowContext& c);
