#include "ScriptedPrompter.h"
#include "compiler/ui/frmFileName.h"
#include "core/PrintQt.h"
#include "project/SlideShowProject.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {
const QDate kToday(2024, 3, 5);
} // namespace

TEST(frmFileNameTest, ProposesTodaysNameOrThePageNameAllSelected) {
    ScriptedPrompter ui;
    frmFileName page(frmFileName::Mode::PageName, ui, "earlier", kToday);
    EXPECT_EQ(page.windowTitle(), "First Html File Name?");
    EXPECT_EQ(page.txtFileName->selectedText(), "Slide Show March 05, 2024");
    frmFileName folder(frmFileName::Mode::FolderName, ui, "slide show march 05, 2024", kToday);
    EXPECT_EQ(folder.windowTitle(), "Folder Name?");
    EXPECT_EQ(folder.txtFileName->selectedText(), "slide show march 05, 2024");
}

TEST(frmFileNameTest, RefusedCharactersAreDroppedWhenTypedPastedOrInserted) {
    ScriptedPrompter ui;
    frmFileName w(frmFileName::Mode::PageName, ui, "", kToday);
    w.show();
    w.txtFileName->clear();
    QTest::keyClicks(w.txtFileName, "My?Tr\\ip:*<>|./, 2");
    EXPECT_EQ(w.txtFileName->text(), "MyTrip, 2");

    w.txtFileName->clear();
    QApplication::clipboard()->setText("../../etc/pass:wd");
    w.txtFileName->paste();
    EXPECT_EQ(w.txtFileName->text(), "etcpasswd");
    // The caret stays where the paste ended, so typing goes on from there.
    QTest::keyClicks(w.txtFileName, "x");
    EXPECT_EQ(w.txtFileName->text(), "etcpasswdx");
    EXPECT_TRUE(ui.questions().empty());
}

// With the box empty, OK brings the placeholder back and the close box asks
// for a name; both leave the window open. With a name the close box takes it.
TEST(frmFileNameTest, EmptyBoxIsRefusedByOkAndTheCloseBox) {
    ScriptedPrompter ui;
    frmFileName w(frmFileName::Mode::FolderName, ui, "", kToday);
    w.show();
    w.txtFileName->clear();
    w.cmdOk->click();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.txtFileName->selectedText(), "Folder Name");
    EXPECT_TRUE(ui.questions().empty());

    w.txtFileName->clear();
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(ui.messages().size(), 1u);
    const MessageBoxRequest m = ui.messages()[0];
    EXPECT_EQ(m.text, "Name needed, Please type in a Name.");
    EXPECT_EQ(m.title, "Please type in a Name.");
    EXPECT_EQ(m.icon, MsgIcon::Critical);
    EXPECT_EQ(m.buttons, MsgButtons::Ok);

    w.txtFileName->setText("Holiday Pics");
    EXPECT_TRUE(w.close());
    EXPECT_EQ(w.name(), "holiday pics");
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST(frmFileNameTest, CancelAsksAndOnlyYesCancels) {
    ScriptedPrompter ui;
    frmFileName w(frmFileName::Mode::PageName, ui, "", kToday);
    w.show();
    ui.queueMessageAnswer(MsgResult::No);
    w.cmdCancel->click();
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.cancelled());

    // Escape asks the same question.
    ui.queueMessageAnswer(MsgResult::Yes);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&w, &escape);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(w.cancelled());
    EXPECT_EQ(w.result(), QDialog::Rejected);
    ASSERT_EQ(ui.messages().size(), 2u);
    for (const MessageBoxRequest& m : ui.messages()) {
        EXPECT_EQ(m.text, "Are you sure you wish to cancel making this Slide Show?");
        EXPECT_EQ(m.title, "Cancel Slide Show Project?");
        EXPECT_EQ(m.buttons, MsgButtons::YesNo);
        EXPECT_EQ(m.icon, MsgIcon::Question);
    }
}
