#pragma once

#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

class Prompter;

// Opens an address in the desktop's program for it (browser, mail program);
// false when none could be started.
using UrlOpener = std::function<bool(const QUrl&)>;
UrlOpener DesktopOpener();

// Opens the program's help in the user's browser. The help is a set of HTML
// pages in the "help" sub-folder of the help file's folder (the program
// folder); the window name picks the start page ("slideshow" for the main
// window, "tintara" for the colour tool) and a context id a topic on it.
class CHelp {
public:
    // Whether a browser was started; when none could be and `ui` is given,
    // it says so with the page's path, so the user can open it by hand.
    static bool Show(const QString& helpFile, const QString& windowName,
                     std::optional<int> contextId = std::nullopt, Prompter* ui = nullptr,
                     const UrlOpener& open = DesktopOpener());
};
