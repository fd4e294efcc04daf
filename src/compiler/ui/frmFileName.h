#pragma once

#include <QDate>
#include <QDialog>
#include <QValidator>

class Prompter;
class QLabel;
class QLineEdit;
class QPushButton;

// Drops the characters a page or folder name may not hold, whether they are
// typed, pasted or dropped into the box.
class NameCharFilter : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// The name prompt of a compile run: the opening page's file name (page mode)
// or the show folder's name (folder mode).
class frmFileName : public QDialog {
    Q_OBJECT
public:
    enum class Mode { PageName, FolderName };

    // `firstPageName` is the page name given earlier in this session (the
    // folder mode proposes it); `today` dates the proposed page name. A
    // non-empty `offered` name (one an opened show holds) is shown instead
    // of the proposal.
    frmFileName(Mode mode, Prompter& ui, const QString& firstPageName, const QDate& today,
                QWidget* parent = nullptr, const QString& offered = {});

    // The lower-cased text of the box when the window closed.
    const QString& name() const { return typedName; }
    // The user confirmed Cancel (CompileCancelled).
    bool cancelled() const { return cancelledByUser; }

    QLabel* Label1;
    QLineEdit* txtFileName;
    QLabel* Label2;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape answers like the Cancel button.
    void reject() override;

private:
    void cmdOk_Click();
    void cmdCancel_Click();
    // The mode's caption and label, and `text` in the box, all selected.
    void showMode(const QString& text);

    Mode mode;
    Prompter& ui;
    QString typedName;
    bool cancelledByUser = false;
};
