#pragma once

#include "platform/Prompter.h"

#include <deque>
#include <stdexcept>
#include <vector>

// Thrown when a question comes that the test did not script an answer for, so
// a loop that keeps asking ends the test instead of hanging it.
struct UnscriptedQuestion : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A Prompter for tests: records every question in order and answers from
// queues filled beforehand. A one-button message box takes no answer (it can
// only be acknowledged); any other question without a queued answer throws
// UnscriptedQuestion.
class ScriptedPrompter : public Prompter {
public:
    enum class Kind { Message, Input, OpenFiles, SaveFile, Folder, Color, Font };

    struct Question {
        Kind kind;
        MessageBoxRequest message;    // Kind::Message
        InputBoxRequest input;        // Kind::Input
        FileDialogRequest fileDialog; // Kind::OpenFiles, Kind::SaveFile
        QString folderPrompt;         // Kind::Folder
        std::uint32_t initialColor = 0;
        FontChoice initialFont;
    };

    MsgResult messageBox(const MessageBoxRequest& request) override;
    std::optional<QString> inputBox(const InputBoxRequest& request) override;
    QStringList openFiles(const FileDialogRequest& request) override;
    QString saveFile(const FileDialogRequest& request) override;
    QString browseForFolder(const QString& prompt) override;
    std::optional<std::uint32_t> chooseColor(std::uint32_t initial) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;

    void queueMessageAnswer(MsgResult r) { messageAnswers.push_back(r); }
    void queueInput(std::optional<QString> text) { inputAnswers.push_back(std::move(text)); }
    // Open and save dialogs share one queue; a save dialog takes the first
    // file of its answer ("" when the list is empty).
    void queueFiles(QStringList files) { fileAnswers.push_back(std::move(files)); }
    void queueFolder(QString folder) { folderAnswers.push_back(std::move(folder)); }
    void queueColor(std::optional<std::uint32_t> c) { colorAnswers.push_back(c); }
    void queueFont(std::optional<FontChoice> f) { fontAnswers.push_back(std::move(f)); }

    const std::vector<Question>& questions() const { return asked; }
    // Only the message boxes, in order.
    std::vector<MessageBoxRequest> messages() const;
    void clear() { asked.clear(); }

private:
    std::vector<Question> asked;
    std::deque<MsgResult> messageAnswers;
    std::deque<std::optional<QString>> inputAnswers;
    std::deque<QStringList> fileAnswers;
    std::deque<QString> folderAnswers;
    std::deque<std::optional<std::uint32_t>> colorAnswers;
    std::deque<std::optional<FontChoice>> fontAnswers;
};
