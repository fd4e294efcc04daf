// The main window's compile command end to end: real name prompt windows,
// the program folder's assets, the real file system.
#include "compiler/ui/CompileFromWindow.h"
#include "ScriptedPrompter.h"
#include "compiler/ui/frmFileName.h"
#include "core/PrintQt.h"
#include "editor/ui/CompileWiring.h"
#include "editor/ui/Form1.h"
#include "project/SlideShowProject.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

TEST(CompileFromWindowTest, NamePromptsAndProgressBarOfTheMainWindow) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ScriptedPrompter ui;
    SlideShowProject p;
    p.settings = ShowSettings::FirstStart(QCoreApplication::applicationDirPath(), dir.path());
    p.Clear();
    for (int k = 1; k <= 3; ++k) {
        const QString path = dir.filePath(QStringLiteral("p%1.jpg").arg(k));
        QImage image(20, 20, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        ASSERT_TRUE(image.save(path, "JPG"));
        p.AppendPicture(path);
        p.slide(k).Caption = QStringLiteral("Slide %1").arg(k);
    }
    QDir(dir.path()).mkdir("out");
    ui.queueMessageAnswer(MsgResult::Yes); // compile now
    ui.queueFolder(dir.filePath("out"));
    ui.queueInput(QStringLiteral("Welcome"));
    ui.queueMessageAnswer(MsgResult::No); // view now

    // Each name prompt gets a typed name and OK as it opens.
    QStringList prompts, proposed;
    const QStringList names{"Beach Page", "Beach Folder"};
    QTimer typist;
    QObject::connect(&typist, &QTimer::timeout, [&] {
        auto* w = qobject_cast<frmFileName*>(QApplication::activeModalWidget());
        if (!w || prompts.size() >= names.size())
            return;
        prompts << w->windowTitle();
        proposed << w->txtFileName->text();
        w->txtFileName->setText(names[prompts.size() - 1]);
        w->cmdOk->click();
    });
    typist.start(5);

    QWidget window;
    QProgressBar bar(&window);
    bar.hide();
    bool songStopped = false;
    const CompileOutcome outcome =
        CompileFromWindow(p, &window, ui, &bar, [&] { songStopped = true; });
    EXPECT_EQ(outcome, CompileOutcome::Compiled);
    EXPECT_EQ(prompts, QStringList({"First Html File Name?", "Folder Name?"}));
    ASSERT_EQ(proposed.size(), 2);
    EXPECT_TRUE(proposed[0].startsWith("Slide Show "));
    EXPECT_EQ(proposed[1], "beach page"); // the folder is named after the page
    EXPECT_TRUE(songStopped);
    EXPECT_EQ(p.names.OutputFolder, dir.filePath("out/beach folder/"));
    EXPECT_TRUE(QFile::exists(dir.filePath("out/beach folder/beach page.htm")));
    EXPECT_TRUE(QFile::exists(dir.filePath("out/beach folder/pix/photo.jar")));
    EXPECT_EQ(bar.maximum(), 2 * 3 + 23);
    EXPECT_FALSE(bar.isVisibleTo(&window));
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
    for (const MessageBoxRequest& m : ui.messages())
        EXPECT_NE(m.title, "File Copy Error") << "a program folder asset is missing";
}

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
