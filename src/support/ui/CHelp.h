#pragma once

#include <QString>
#include <optional>

// Opens the program's help in the user's browser. The help is a set of HTML
// pages in the "help" sub-folder of the help file's folder (the program
// folder); the window name picks the start page ("slideshow" for the main
// window, "tintara" for the colour tool) and a context id a topic on it.
class CHelp {
public:
    static void Show(const QString& helpFile, const QString& windowName,
                     std::optional<int> contextId = std::nullopt);
};
