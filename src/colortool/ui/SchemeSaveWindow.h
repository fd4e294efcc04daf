#pragma once

#include "colortool/SchemeCommands.h"

#include <QWidget>
#include <array>
#include <functional>
#include <memory>

namespace Ui {
class SchemeSaveWindow;
}
class QRadioButton;

// "Save/Replace/Delete the User Defined Color Scheme Files" (objectName
// frmSavetxt): imports a colour scheme into the user colours, exports them to
// one, or deletes one. A thin window over SchemeCommands.
class SchemeSaveWindow : public QWidget {
    Q_OBJECT
public:
    SchemeSaveWindow(ColorChart& chart, Prompter& prompter, const QString& dataFolder,
                     QWidget* parent = nullptr);
    ~SchemeSaveWindow() override;

    // Run when the window closes: the colour tool shows itself again.
    std::function<void()> onClosed;

    // Option 0 imports a scheme, option 1 exports one.
    void chooseMode(int option);
    void importScheme();
    void exportScheme();
    void deleteScheme();
    // Lists the scheme files afresh.
    void fillList();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QRadioButton* modeOption(int option) const { return options.at(option == 1 ? 1 : 0); }
    void apply(const SchemeCommands::Outcome& outcome);

    std::unique_ptr<Ui::SchemeSaveWindow> ui;
    std::array<QRadioButton*, 2> options{};
    SchemeCommands commands;
};
