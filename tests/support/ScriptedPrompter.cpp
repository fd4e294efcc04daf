#include "ScriptedPrompter.h"

namespace {
template <typename T> T takeFront(std::deque<T>& queue, const QString& what) {
    if (queue.empty())
        throw UnscriptedQuestion(("no scripted answer for: " + what).toStdString());
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}
} // namespace

MsgResult ScriptedPrompter::messageBox(const MessageBoxRequest& request) {
    Question q{Kind::Message, request, {}, {}, {}, 0, {}};
    asked.push_back(q);
    // A one-button box can only be acknowledged: it never takes a queued answer.
    if (request.buttons == MsgButtons::Ok)
        return MsgResult::Ok;
    return takeFront(messageAnswers, request.title + ": " + request.text);
}

std::optional<QString> ScriptedPrompter::inputBox(const InputBoxRequest& request) {
    asked.push_back({Kind::Input, {}, request, {}, {}, 0, {}});
    return takeFront(inputAnswers, request.title);
}

QStringList ScriptedPrompter::openFiles(const FileDialogRequest& request) {
    asked.push_back({Kind::OpenFiles, {}, {}, request, {}, 0, {}});
    return takeFront(fileAnswers, request.title);
}

QString ScriptedPrompter::saveFile(const FileDialogRequest& request) {
    asked.push_back({Kind::SaveFile, {}, {}, request, {}, 0, {}});
    return takeFront(fileAnswers, request.title).value(0);
}

QString ScriptedPrompter::browseForFolder(const QString& prompt) {
    asked.push_back({Kind::Folder, {}, {}, {}, prompt, 0, {}});
    return takeFront(folderAnswers, prompt);
}

std::optional<std::uint32_t> ScriptedPrompter::chooseColor(std::uint32_t initial) {
    asked.push_back({Kind::Color, {}, {}, {}, {}, initial, {}});
    return takeFront(colorAnswers, QStringLiteral("colour dialog"));
}

std::optional<FontChoice> ScriptedPrompter::chooseFont(const FontChoice& initial) {
    asked.push_back({Kind::Font, {}, {}, {}, {}, 0, initial});
    return takeFront(fontAnswers, QStringLiteral("font dialog"));
}

std::vector<MessageBoxRequest> ScriptedPrompter::messages() const {
    std::vector<MessageBoxRequest> out;
    for (const auto& q : asked)
        if (q.kind == Kind::Message)
            out.push_back(q.message);
    return out;
}
