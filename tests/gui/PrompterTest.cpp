#include "ScriptedPrompter.h"
#include "platform/ui/QtPrompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

// The real message box carries the exact title, text, icon, buttons and
// default button it was asked for.
TEST(QtPrompterTest, MessageBoxShowsRequestedTextsAndButtons) {
    QtPrompter prompter;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    Qt::TextFormat format = Qt::AutoText;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        format = box->textFormat();
        icon = box->icon();
        buttons = box->standardButtons();
        defaultButton = box->standardButton(box->defaultButton());
        box->button(QMessageBox::No)->click();
    });
    const MsgResult r =
        prompter.messageBox({"Go on?\r\n<b>Really</b>", "Question", MsgButtons::YesNoCancel,
                             MsgIcon::Critical, MsgResult::Cancel});
    EXPECT_EQ(r, MsgResult::No);
    EXPECT_EQ(title, "Question");
    // Names in the texts come from files: shown as written, never as markup.
    EXPECT_EQ(text, "Go on?\n<b>Really</b>");
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(defaultButton, QMessageBox::Cancel);
}

TEST(ScriptedPrompterTest, RecordsQuestionsAndAnswersInOrder) {
    ScriptedPrompter ui;
    ui.queueMessageAnswer(MsgResult::Yes);
    ui.queueInput(QStringLiteral("hello"));
    ui.inform("note", "Title");
    EXPECT_EQ(ui.messageBox({"q", "t", MsgButtons::YesNo, MsgIcon::Question, {}}), MsgResult::Yes);
    EXPECT_EQ(ui.inputBox({"p", "t", "d"}), std::optional<QString>("hello"));
    EXPECT_THROW(ui.browseForFolder("where?"), UnscriptedQuestion);
    ASSERT_EQ(ui.questions().size(), 4u);
    EXPECT_EQ(ui.messages().size(), 2u);
    EXPECT_EQ(ui.questions()[3].folderPrompt, "where?");
}
