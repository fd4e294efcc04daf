#include "ScriptedPrompter.h"
#include "compiler/ShowFileState.h"
#include "compiler/ui/WindowCompileHost.h"
#include "compiler/ui/frmFileName.h"
#include "core/PrintQt.h"
#include "project/SlideShowProject.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
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

// Blanks alone are no name: refused as an empty box is, by OK and by the
// close box, in both modes.
TEST(frmFileNameTest, BlankNamesAreRefusedAsEmptyOnes) {
    for (frmFileName::Mode mode : {frmFileName::Mode::PageName, frmFileName::Mode::FolderName}) {
        for (const char* blank : {" ", "   "}) {
            ScriptedPrompter ui;
            frmFileName w(mode, ui, "", kToday);
            w.show();
            w.txtFileName->setText(blank);
            w.cmdOk->click();
            EXPECT_TRUE(w.isVisible()) << blank;
            w.txtFileName->setText(blank);
            EXPECT_FALSE(w.close()) << blank;
            ASSERT_EQ(ui.messages().size(), 1u) << blank;
            EXPECT_EQ(ui.messages()[0].text, "Name needed, Please type in a Name.");
            EXPECT_NE(w.result(), QDialog::Accepted);
        }
    }
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

// The window's prompts offer the names an opened show holds, as the command
// line takes them; a show without names gets the usual proposals.
TEST(frmFileNameTest, WindowPromptsOfferTheNamesAnOpenedShowHolds) {
    ScriptedPrompter ui;
    WindowCompileHost host(nullptr, ui, nullptr, {});
    QStringList offered;
    QTimer typist;
    QObject::connect(&typist, &QTimer::timeout, [&] {
        if (auto* w = qobject_cast<frmFileName*>(QApplication::activeModalWidget())) {
            offered << w->txtFileName->text();
            w->cmdOk->click();
        }
    });
    typist.start(5);
    LoadedShow show;
    show.answers.FirstPageName = QStringLiteral("trip");
    show.answers.ShowFolderName = QStringLiteral("holiday");
    SlideShowProject p;
    TakeLoadedShow(p, show);
    host.AskPageName(p);
    host.GetFolderName(p);
    SlideShowProject fresh;
    host.AskPageName(fresh);
    typist.stop();
    ASSERT_EQ(offered.size(), 3);
    EXPECT_EQ(offered[0], "trip");
    EXPECT_EQ(offered[1], "holiday");
    EXPECT_TRUE(offered[2].startsWith("Slide Show "));
    EXPECT_EQ(p.names.FirstPageName, "trip");
    EXPECT_EQ(p.names.ShowFolderName, "holiday");
}
