#include "platform/ConsolePrompter.h"

#include "core/PrintQt.h"

#include <gtest/gtest.h>

TEST(ConsolePrompter, PrintsEveryBoxWithTitleAndAnswersByTitle) {
    QString log;
    QTextStream stream(&log);
    ConsolePrompter ui(stream);
    ui.answer("Go?", MsgResult::No);
    ui.markAsWarning("Check");
    EXPECT_EQ(ui.messageBox({"Go now?", "Go?", MsgButtons::YesNo, MsgIcon::Question, {}}),
              MsgResult::No);
    EXPECT_EQ(ui.messageBox({"a\r\n\r\nb", "Check", MsgButtons::YesNoCancel, MsgIcon::Critical,
                             MsgResult::Cancel}),
              MsgResult::Cancel);
    ui.inform("Done", "Finished");
    EXPECT_EQ(log, "[Go?]\n    Go now?\n    -> No\n"
                   "warning: [Check]\n    a\n    \n    b\n    -> Cancel\n"
                   "[Finished]\n    Done\n");
    EXPECT_EQ(ui.lastMessage().title, "Finished");
}

TEST(ConsolePrompter, InputTakesGivenTextOrProposalAndFolderIsGivenOnce) {
    QString log;
    QTextStream stream(&log);
    ConsolePrompter ui(stream);
    ui.answerInput("Message", QString("Hello"));
    ui.answerInput("Empty", QString());
    EXPECT_EQ(ui.inputBox({"p", "Message", "proposed"}), std::optional<QString>("Hello"));
    EXPECT_EQ(ui.inputBox({"p", "Empty", "proposed"}), std::optional<QString>("proposed"));
    EXPECT_EQ(ui.inputBox({"p", "Unknown", "other"}), std::optional<QString>("other"));
    ui.answerFolder("/tmp/shows");
    EXPECT_EQ(ui.browseForFolder("Where?"), "/tmp/shows");
    EXPECT_THROW(ui.browseForFolder("Where?"), RepeatedQuestion);
}
