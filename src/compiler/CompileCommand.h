#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTextStream>

class FileSystem;

// The headless compile: `pevrano-slideshow compile SHOW.json` runs the compile
// driver on a show file with the answers a batch user wants (Yes to the
// confirmation and the completeness check, No to "view now") and prints every
// message box to `err`. On success `out` receives the opening page's path.

// Exit statuses.
enum CompileCommandStatus : int {
    kCompiled = 0,
    kCompileFailed = 1, // the run stopped, or files are missing from the show
    kBadArguments = 2,  // wrong command line, or a show file that cannot be used
};

struct CommandContext {
    FileSystem& fs;
    QString programFolder;
    QString homeFolder;
    QString currentDirectory;
    QDateTime now;
    QTextStream& out;
    QTextStream& err;
};

// True when the command line (program name first) is not for the window: the
// window takes Qt's own options (-style, -platform ...) and one show file to
// open (an existing file or a name ending in ".json"). Anything else goes to
// RunCommandLine, before any window or display exists.
bool IsCommandLine(const QStringList& arguments);
// Runs the command of such a command line ("compile ...", "--help",
// "--version") and returns the exit status; a command or option it does not
// know gets one usage line on `err` and kBadArguments.
int RunCommandLine(const QStringList& arguments, CommandContext& context);
