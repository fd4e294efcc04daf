#pragma once

#include "compiler/CompileHost.h"
#include "document/ShowFile.h"
#include "platform/ConsolePrompter.h"

#include <QDate>
#include <QStringList>
#include <QTextStream>

// The compile host of the headless command: names come from the show file
// (or what the prompts propose), progress goes to the log, and a question the
// run would ask again ends it with the reason kept in stopReason().
class HeadlessCompileHost : public CompileHost {
public:
    HeadlessCompileHost(CompileAnswers answers, const QDate& today, QTextStream& log);

    Prompter& prompter() override { return console; }
    void AskPageName(SlideShowProject& p) override;
    void GetFolderName(SlideShowProject& p) override;
    void stopSongPreview() override {}
    void showProgress(int maximum) override;
    void setProgress(int value) override;
    void hideProgress() override;
    void setBusy(bool) override {}
    void setClipProgress(int value, double seconds, double duration) override;
    void openDocument(const QString&) override {}

    ConsolePrompter& consolePrompter() { return console; }
    // Answers the compile's confirmations with Yes (the completeness check's
    // list shown as a warning) and its one-line message with the show's
    // title.
    void answerCompileQuestions();
    const MessageBoxRequest& lastMessage() const { return console.lastMessage(); }
    // Why the run was cancelled; empty while it was not.
    const QString& stopReason() const { return reason; }
    // The run asked for the folder name again, after the show folder could not
    // be created.
    bool folderAskedAgain() const { return folderAsks > 1; }

private:
    // The name prompt refuses to close on an empty name.
    bool acceptName(SlideShowProject& p, const QString& name, const QString& key);

    CompileAnswers answers;
    QDate today;
    QTextStream& log;
    ConsolePrompter console;
    QString reason;
    int folderAsks = 0;
    int progressMaximum = 0;
    int lastTenth = -1;
    int clipStep = -1; // the step of the clip last reported, and its tenth
    int clipTenth = -1;
};
