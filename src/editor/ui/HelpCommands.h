#pragma once

class Form1;

// The main window's Help menu: the help pages, the About box and the e-mail
// composer.
class HelpCommands {
public:
    explicit HelpCommands(Form1& form);

    void mnuHelp_Click();
    void mnuCFaboutProg_Click();
    void mnuEmail_Click();

private:
    Form1& form;
};
