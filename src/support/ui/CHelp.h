#pragma once

#include <QString>
#include <optional>

// Opens the program's help. The help is a set of HTML pages in the program
// folder's "help" sub-folder; the window name picks the start page
// ("slideshow" for the main window, "tintara" for the colour tool).
class CHelp {
public:
    // helpFile names the help the caller wants (kept for the callers' sake;
    // the pages are found by the window name), contextId an optional topic.
    static void Show(const QString& helpFile, const QString& windowName,
                     std::optional<int> contextId = std::nullopt);
};
