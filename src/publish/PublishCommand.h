#pragma once

#include "publish/RcloneCall.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTextStream>

class FileSystem;

// `pevrano-slideshow publish SHOW.json REMOTE:PATH [--address URL]`: compiles
// the show file into a staging folder in the user's cache, with the answers
// the headless compile takes from the show file, and sends it to
// REMOTE:PATH/<show folder name>/ with rclone.
enum PublishStatus : int {
    kPublished = 0,
    kNotPublished = 1, // the compile or the publish stopped; nothing or part was sent
    kPublishUsage = 2, // a wrong command line, or a show file that cannot be used
};

struct PublishContext {
    FileSystem& fs;
    QString programFolder;
    QString homeFolder;
    QString currentDirectory;
    QString cacheFolder; // the staging folder is made below it
    QDateTime now;
    QTextStream& out;
    QTextStream& err;
    RcloneProgram rclone = {};
    // Progress on one line rewritten in place (a terminal), or a line each.
    bool terminal = false;
};

// `arguments` start after "publish".
int RunPublishCommand(const QStringList& arguments, PublishContext& context);

extern const char* const kPublishHelp;
