#pragma once

#include <QString>
#include <QUrl>
#include <optional>

// The page of the program's help that a help request opens. The help is a
// set of HTML pages in a "help" folder beside the named help file (the
// program folder); the window name picks the start page ("slideshow" for the
// main window, "tintara" for the colour tool), and a context id the topic
// anchor "topic<id>" on it. An unknown window name opens the main page.
QUrl HelpPage(const QString& helpFile, const QString& windowName,
              std::optional<int> contextId = std::nullopt);
