// How the boxes are printed is pinned by the compiled-show snapshots
// (console.txt); here the answers a question takes on the command line.
#include "platform/ConsolePrompter.h"

#include "core/PrintQt.h"

#include <gtest/gtest.h>

TEST(ConsolePrompter, AnswersByTitleOrTheDefaultAndAFolderOnlyOnce) {
    QString log;
    QTextStream stream(&log);
    ConsolePrompter ui(stream);
    ui.answer("Go?", MsgResult::No);
    EXPECT_EQ(ui.messageBox({"Go now?", "Go?", MsgButtons::YesNo, MsgIcon::Question, {}}),
              MsgResult::No);
    EXPECT_EQ(ui.messageBox(
                  {"a", "Check", MsgButtons::YesNoCancel, MsgIcon::Critical, MsgResult::Cancel}),
              MsgResult::Cancel);
    EXPECT_EQ(ui.messageBox({"b", "Other", MsgButtons::YesNo, MsgIcon::Question, {}}),
              MsgResult::Yes);
    EXPECT_EQ(ui.lastMessage().title, "Other");

    ui.answerInput("Message", QString("Hello"));
    ui.answerInput("Empty", QString());
    EXPECT_EQ(ui.inputBox({"p", "Message", "proposed"}), std::optional<QString>("Hello"));
    EXPECT_EQ(ui.inputBox({"p", "Empty", "proposed"}), std::optional<QString>("proposed"));
    EXPECT_EQ(ui.inputBox({"p", "Unknown", "other"}), std::optional<QString>("other"));
    ui.answerFolder("/tmp/shows");
    EXPECT_EQ(ui.browseForFolder("Where?"), "/tmp/shows");
    EXPECT_THROW(ui.browseForFolder("Where?"), RepeatedQuestion);
}
