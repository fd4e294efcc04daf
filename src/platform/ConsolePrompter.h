#pragma once

#include "platform/Prompter.h"

#include <QHash>
#include <QSet>
#include <QTextStream>
#include <optional>
#include <stdexcept>

// Raised when a question comes back that a run without a person can only
// answer the same way again (the folder browser after a refused drive), so the
// run ends instead of looping.
struct RepeatedQuestion : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A Prompter for runs without a person: every message box is printed to a
// stream with its title, and every question is answered from answers given
// beforehand.
class ConsolePrompter : public Prompter {
public:
    explicit ConsolePrompter(QTextStream& log) : log(log) {}

    // The answer to boxes with this title. A box without one takes its default
    // button, or its first.
    void answer(const QString& title, MsgResult result) { answers.insert(title, result); }
    // Boxes with this title are printed as warnings.
    void markAsWarning(const QString& title) { warnings.insert(title); }
    // The answer to an input box with this title; nullopt (or an empty text)
    // takes the text the box proposes.
    void answerInput(const QString& title, std::optional<QString> text) {
        inputs.insert(title, std::move(text));
    }
    // The folder browser answers this once; asked again it raises
    // RepeatedQuestion.
    void answerFolder(const QString& folder) { folder_ = folder; }

    MsgResult messageBox(const MessageBoxRequest& request) override;
    std::optional<QString> inputBox(const InputBoxRequest& request) override;
    QStringList openFiles(const FileDialogRequest& request) override;
    QString saveFile(const FileDialogRequest& request) override;
    QString browseForFolder(const QString& prompt) override;
    std::optional<std::uint32_t> chooseColor(std::uint32_t initial) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;

    // The last message box printed, empty before the first.
    const MessageBoxRequest& lastMessage() const { return last; }

private:
    void print(const QString& title, const QString& text, const QString& answerText, bool warning);

    QTextStream& log;
    QHash<QString, MsgResult> answers;
    QSet<QString> warnings;
    QHash<QString, std::optional<QString>> inputs;
    std::optional<QString> folder_;
    bool folderGiven = false;
    MessageBoxRequest last;
};
