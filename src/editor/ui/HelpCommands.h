#pragma once

class MainWindow;

// The main window's Help menu: the help pages, the About box and the e-mail
// composer.
class HelpCommands {
public:
    explicit HelpCommands(MainWindow& form);

    void showHelp();
    void showAbout();
    void openEmail();

private:
    MainWindow& form;
};
