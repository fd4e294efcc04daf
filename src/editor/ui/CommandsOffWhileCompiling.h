#pragma once

#include <QAction>
#include <QPointer>
#include <QWidget>
#include <vector>

class MainWindow;

// For as long as it lives, "Make HTML File" is running: `running` is set and
// every command of the main window is off (Help stays), so the show stays as
// the compile found it while the compile lets events through to draw its
// progress. What it turned off is turned on again at the end.
class CommandsOffWhileCompiling {
public:
    CommandsOffWhileCompiling(MainWindow& form, bool& running);
    ~CommandsOffWhileCompiling();
    CommandsOffWhileCompiling(const CommandsOffWhileCompiling&) = delete;
    CommandsOffWhileCompiling& operator=(const CommandsOffWhileCompiling&) = delete;

private:
    void TurnOff(QWidget* widget);
    void TurnOff(QAction* action);

    bool& running;
    // Turning a control off takes the focus from it; it goes back at the end.
    QPointer<QWidget> focus;
    std::vector<QPointer<QWidget>> widgets;
    std::vector<QPointer<QAction>> actions;
};
