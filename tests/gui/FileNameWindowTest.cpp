#include "GuiTestSupport.h"
#include "ScriptedPrompter.h"
#include "compiler/ui/NamePrompt.h"
#include "compiler/ui/WindowCompileHost.h"
#include "core/PrintQt.h"
#include "document/ShowFileState.h"
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

QLineEdit* NameBox(const NamePrompt& w) {
    return Control<QLineEdit>(w, "txtFileName");
}
} // namespace

TEST(NamePromptTest, ProposesTodaysNameOrThePageNameAllSelected) {
    ScriptedPrompter ui;
    NamePrompt page(NamePrompt::Mode::PageName, ui, "earlier", kToday);
    EXPECT_EQ(page.windowTitle(), "First Html File Name?");
    EXPECT_EQ(NameBox(page)->selectedText(), "Slide Show March 05, 2024");
    NamePrompt folder(NamePrompt::Mode::FolderName, ui, "slide show march 05, 2024", kToday);
    EXPECT_EQ(folder.windowTitle(), "Folder Name?");
    EXPECT_EQ(NameBox(folder)->selectedText(), "slide show march 05, 2024");
}

TEST(NamePromptTest, RefusedCharactersAreDroppedWhenTypedPastedOrInserted) {
    ScriptedPrompter ui;
    NamePrompt w(NamePrompt::Mode::PageName, ui, "", kToday);
    w.show();
    NameBox(w)->clear();
    QTest::keyClicks(NameBox(w), "My?Tr\\ip:*<>|./, 2");
    EXPECT_EQ(NameBox(w)->text(), "MyTrip, 2");

    NameBox(w)->clear();
    QApplication::clipboard()->setText("../../etc/pass:wd");
    NameBox(w)->paste();
    EXPECT_EQ(NameBox(w)->text(), "etcpasswd");
    // The caret stays where the paste ended, so typing goes on from there.
    QTest::keyClicks(NameBox(w), "x");
    EXPECT_EQ(NameBox(w)->text(), "etcpasswdx");
    EXPECT_TRUE(ui.questions().empty());
}

// With the box empty, OK brings the placeholder back and the close box asks
// for a name; both leave the window open. With a name the close box takes it.
TEST(NamePromptTest, EmptyBoxIsRefusedByOkAndTheCloseBox) {
    ScriptedPrompter ui;
    NamePrompt w(NamePrompt::Mode::FolderName, ui, "", kToday);
    w.show();
    NameBox(w)->clear();
    Control<QPushButton>(w, "cmdOk")->click();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(NameBox(w)->selectedText(), "Folder Name");
    EXPECT_TRUE(ui.questions().empty());

    NameBox(w)->clear();
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(ui.messages().size(), 1u);
    const MessageBoxRequest m = ui.messages()[0];
    EXPECT_EQ(m.text, "Name needed, Please type in a Name.");
    EXPECT_EQ(m.title, "Please type in a Name.");
    EXPECT_EQ(m.icon, MsgIcon::Critical);
    EXPECT_EQ(m.buttons, MsgButtons::Ok);

    NameBox(w)->setText("Holiday Pics");
    EXPECT_TRUE(w.close());
    EXPECT_EQ(w.name(), "holiday pics");
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

// Blanks alone are no name: refused as an empty box is, by OK and by the
// close box, in both modes.
TEST(NamePromptTest, BlankNamesAreRefusedAsEmptyOnes) {
    for (NamePrompt::Mode mode : {NamePrompt::Mode::PageName, NamePrompt::Mode::FolderName}) {
        for (const char* blank : {" ", "   "}) {
            ScriptedPrompter ui;
            NamePrompt w(mode, ui, "", kToday);
            w.show();
            NameBox(w)->setText(blank);
            Control<QPushButton>(w, "cmdOk")->click();
            EXPECT_TRUE(w.isVisible()) << blank;
            NameBox(w)->setText(blank);
            EXPECT_FALSE(w.close()) << blank;
            ASSERT_EQ(ui.messages().size(), 1u) << blank;
            EXPECT_EQ(ui.messages()[0].text, "Name needed, Please type in a Name.");
            EXPECT_NE(w.result(), QDialog::Accepted);
        }
    }
}

TEST(NamePromptTest, CancelAsksAndOnlyYesCancels) {
    ScriptedPrompter ui;
    NamePrompt w(NamePrompt::Mode::PageName, ui, "", kToday);
    w.show();
    ui.queueMessageAnswer(MsgResult::No);
    Control<QPushButton>(w, "cmdCancel")->click();
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
TEST(NamePromptTest, WindowPromptsOfferTheNamesAnOpenedShowHolds) {
    ScriptedPrompter ui;
    WindowCompileHost host(nullptr, ui, nullptr, {});
    QStringList offered;
    QTimer typist;
    QObject::connect(&typist, &QTimer::timeout, [&] {
        if (auto* w = qobject_cast<NamePrompt*>(QApplication::activeModalWidget())) {
            offered << NameBox(*w)->text();
            Control<QPushButton>(*w, "cmdOk")->click();
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
