#include "platform/ConsolePrompter.h"

namespace {
MsgResult FirstButton(MsgButtons b) {
    switch (b) {
    case MsgButtons::Ok:
    case MsgButtons::OkCancel:
        return MsgResult::Ok;
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel:
        return MsgResult::Yes;
    case MsgButtons::RetryCancel:
        return MsgResult::Retry;
    }
    return MsgResult::Ok;
}

QString ResultName(MsgResult r) {
    switch (r) {
    case MsgResult::Ok:
        return QStringLiteral("OK");
    case MsgResult::Cancel:
        return QStringLiteral("Cancel");
    case MsgResult::Yes:
        return QStringLiteral("Yes");
    case MsgResult::No:
        return QStringLiteral("No");
    case MsgResult::Retry:
        return QStringLiteral("Retry");
    }
    return {};
}
} // namespace

void ConsolePrompter::print(const QString& title, const QString& text, const QString& answerText,
                            bool warning) {
    log << (warning ? QStringLiteral("warning: [") : QStringLiteral("[")) << title << "]\n";
    QString body = text;
    body.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    for (const QString& line : body.split(QLatin1Char('\n')))
        log << "    " << line << '\n';
    if (!answerText.isEmpty())
        log << "    -> " << answerText << '\n';
    log.flush();
}

MsgResult ConsolePrompter::messageBox(const MessageBoxRequest& request) {
    last = request;
    MsgResult result = MsgResult::Ok;
    if (request.buttons != MsgButtons::Ok)
        result = answers.value(request.title,
                               request.defaultButton.value_or(FirstButton(request.buttons)));
    print(request.title, request.text,
          request.buttons == MsgButtons::Ok ? QString() : ResultName(result),
          warnings.contains(request.title));
    return result;
}

std::optional<QString> ConsolePrompter::inputBox(const InputBoxRequest& request) {
    std::optional<QString> given = inputs.value(request.title);
    const QString text = given && !given->isEmpty() ? *given : request.defaultText;
    print(request.title, request.prompt, text, false);
    return text;
}

QStringList ConsolePrompter::openFiles(const FileDialogRequest& request) {
    print(request.title, QStringLiteral("(no file is chosen without a person)"), {}, false);
    return {};
}

QString ConsolePrompter::saveFile(const FileDialogRequest& request) {
    print(request.title, QStringLiteral("(no file is chosen without a person)"), {}, false);
    return {};
}

QString ConsolePrompter::browseForFolder(const QString& prompt) {
    if (folderGiven || !folder_)
        throw RepeatedQuestion(prompt.toStdString());
    folderGiven = true;
    print(prompt, *folder_, {}, false);
    return *folder_;
}

std::optional<std::uint32_t> ConsolePrompter::chooseColor(std::uint32_t) {
    return std::nullopt;
}

std::optional<FontChoice> ConsolePrompter::chooseFont(const FontChoice&) {
    return std::nullopt;
}
