#pragma once

#include <QDate>
#include <QDialog>
#include <QValidator>
#include <memory>

namespace Ui {
class NamePrompt;
}
class Prompter;

// Drops the characters a page or folder name may not hold, whether they are
// typed, pasted or dropped into the box.
class NameCharFilter : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// The name prompt of a compile run (objectName frmFileName): the opening
// page's file name (page mode) or the show folder's name (folder mode).
class NamePrompt : public QDialog {
    Q_OBJECT
public:
    enum class Mode { PageName, FolderName };

    // `firstPageName` is the page name given earlier in this session (the
    // folder mode proposes it); `today` dates the proposed page name. A
    // non-empty `offered` name (one an opened show holds) is shown instead
    // of the proposal.
    NamePrompt(Mode mode, Prompter& prompter, const QString& firstPageName, const QDate& today,
               QWidget* parent = nullptr, const QString& offered = {});
    ~NamePrompt() override;

    // The lower-cased text of the box when the window closed.
    const QString& name() const { return typedName; }
    // The user confirmed Cancel (CompileCancelled).
    bool cancelled() const { return cancelledByUser; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape answers like the Cancel button.
    void reject() override;

private:
    // Closes with the typed name, or proposes a placeholder for a blank one.
    void confirmName();
    // Asks whether to give up the compile; closes on Yes.
    void askToCancel();
    // The mode's caption and label, and `text` in the box, all selected.
    void showMode(const QString& text);

    std::unique_ptr<Ui::NamePrompt> ui;
    Mode mode;
    Prompter& ask;
    QString typedName;
    bool cancelledByUser = false;
};
