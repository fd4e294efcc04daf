#pragma once

#include <QDateTime>
#include <QString>

class CompileHost;
class FileSystem;
class Prompter;
class SlideShowProject;

// How a compile run ended.
enum class CompileOutcome {
    Compiled,     // every page written
    Incomplete,   // every page written, but files are missing from the show
    TooFewSlides, // fewer than 3 slides
    NotConfirmed, // No to "Are you ready to compile..."
    WentBack,     // No or Cancel in the completeness check
    Cancelled,    // Cancel in a name prompt
    WriteFailed,  // a page could not be written; the run stopped
};

// The "Make HTML File" command (compileShow): checks the project, asks for
// the names and the directory, has MoveFiles create and fill the folder,
// writes every page and offers to open the show. `now` dates the pages. The
// closing message says "Compiled Successfully" only when every file was
// written; otherwise it lists what is missing and why.
CompileOutcome CompileShow(SlideShowProject& p, CompileHost& host, FileSystem& fs,
                           const QString& programFolder, const QDateTime& now);

// The completeness check: lists slides without caption or picture and asks
// whether to go on. Returns ProceedWithCompile.
bool CheckFinishedProduct(const SlideShowProject& p, Prompter& ui);

// The file name of each of the six pages of the page table, in order.
inline constexpr const char* kPageTableFiles[6] = {"slideshw.htm", "ssbnoc.htm",   "ssnobnoc.htm",
                                                   "allcode.js",   "netscape.htm", "appletss.htm"};
