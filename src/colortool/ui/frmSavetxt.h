#pragma once

#include "colortool/SchemeCommands.h"

#include <QWidget>
#include <array>
#include <functional>

class CompletingCombo;
class QLabel;
class QPushButton;
class QRadioButton;

// "Save/Replace/Delete the User Defined Color Scheme Files": imports a
// colour scheme into the user colours, exports them to one, or deletes one.
// A thin window over SchemeCommands.
class frmSavetxt : public QWidget {
    Q_OBJECT
public:
    frmSavetxt(ColorChart& chart, Prompter& prompter, const QString& dataFolder,
               QWidget* parent = nullptr);

    // Run when the window closes: the colour tool shows itself again.
    std::function<void()> onClosed;

    std::array<QRadioButton*, 2> optOpenSave{};
    CompletingCombo* Combo1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdExit = nullptr;

    void optOpenSave_Click(int index);
    void cmdOpen_Click();
    void cmdSave_Click();
    void cmdDelete_Click();
    // Lists the scheme files afresh.
    void fillList();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    void apply(const SchemeCommands::Outcome& outcome);

    SchemeCommands commands;
};
