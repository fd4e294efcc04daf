#pragma once

#include "project/ShowChange.h"

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

// What a compile run ended with, and what of it the show keeps.
struct CompileResult {
    CompileOutcome outcome = CompileOutcome::Compiled;
    // The names, title and output folder the run was answered (the publish
    // target as the show had it): the show's own when the run asked nothing
    // or a page could not be written.
    ShowChange::KeptAnswers answers;
};

// The "Make HTML File" command (compileShow): checks the show, asks for the
// names and the directory, has MoveFiles create and fill the folder, writes
// every page and offers to open the show. `now` dates the pages. The closing
// message says "Compiled Successfully" only when every file was written;
// otherwise it lists what is missing and why. The run works on a copy of the
// show (the answers, the names of the copies in pix): the caller decides
// what of the result its show keeps.
CompileResult CompileShow(const SlideShowProject& show, CompileHost& host, FileSystem& fs,
                          const QString& programFolder, const QDateTime& now);

// The completeness check: lists slides without caption or picture and asks
// whether to go on. Returns ProceedWithCompile.
bool CheckFinishedProduct(const SlideShowProject& p, Prompter& ui);

// The file name of each of the six pages of the page table, in order.
inline constexpr const char* kPageTableFiles[6] = {"slideshw.htm", "ssbnoc.htm",   "ssnobnoc.htm",
                                                   "allcode.js",   "netscape.htm", "appletss.htm"};
