#pragma once

#include "project/ShowChange.h"
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
// with the progress window. The show is read only: what it keeps (the
// target last chosen, the names the compile was answered) is returned, the
// show's own answers when nothing was chosen.
ShowChange::KeptAnswers PublishFromWindow(const SlideShowProject& show, PublishWindowContext& c);
