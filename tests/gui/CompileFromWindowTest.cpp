#include "ScriptedPrompter.h"
#include "compiler/ui/frmFileName.h"
#include "core/PrintQt.h"
#include "editor/ui/CompileWiring.h"
#include "editor/ui/Form1.h"
#include "project/SlideShowProject.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

// Form1's Make HTML File button runs the compile: the song preview stops and
// the window shows the captions as the run left them.
TEST(CompileFromWindowTest, Form1FinishButtonRunsTheCompile) {
    ScriptedPrompter ui;
    Form1 window(ui);
    ConnectCompileCommand(window);
    SlideShowProject& p = window.project();
    for (int k = 1; k <= 3; ++k) {
        p.AppendPicture(QStringLiteral("/pictures/p%1.jpg").arg(k));
        p.slide(k).Caption = QStringLiteral("the \"%1\" one").arg(k);
    }
    p.setCurrentSlide(2);
    window.ShowCurrentSlide();
    window.RefreshFinishAvailability();
    window.ui.Check1->setChecked(true);
    ASSERT_TRUE(window.ui.cmdFinish->isEnabled());

    ui.queueMessageAnswer(MsgResult::Yes); // compile now
    ui.queueMessageAnswer(MsgResult::Yes); // yes, cancel the show
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<frmFileName*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        w->cmdCancel->click();
    });
    window.ui.cmdFinish->click();
    EXPECT_FALSE(window.ui.Check1->isChecked());
    EXPECT_EQ(window.ui.txtCaption->text(), "the '2' one");
    EXPECT_FALSE(p.flags.CompileCancelled);
    EXPECT_EQ(ui.messages().size(), 2u);
}
