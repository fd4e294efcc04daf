// The File menu's show files in the real main window.
#include "editor/ui/ShowFileCommands.h"
#include "Form1Fixture.h"
#include "compiler/CompileCommand.h"
#include "compiler/ui/CompileFromWindow.h"
#include "compiler/ui/QtPictureFitter.h"
#include "compiler/ui/frmFileName.h"
#include "core/TestFiles.h"
#include "editor/ui/PictureView.h"
#include "editor/ui/PreviewNavigation.h"
#include "platform/LocalFileSystem.h"
#include "platform/ProgramFolder.h"

#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
class ShowFiles : public Form1Test {
protected:
    ShowFileCommands& files() { return form->showFiles(); }
    QString WriteShow(const QString& name, const QByteArray& json) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(json);
        return f.fileName();
    }
};

// Relative path -> bytes of every file below `root`.
QMap<QString, QByteArray> Tree(const QString& root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        files.insert(QDir(root).relativeFilePath(f.fileName()), f.readAll());
    }
    return files;
}
} // namespace

// Cancel keeps the show, No drops the changes, Yes saves them first; the
// caption names the show and marks unsaved changes.
TEST_F(ShowFiles, SaveQuestionAnswersAndCaption) {
    AddThroughDialog(MakePictures(3));
    files().CheckNow();
    EXPECT_EQ(form->windowTitle(), "Picture #3 - Untitled*");

    ui.queueMessageAnswer(MsgResult::Cancel);
    files().NewShow();
    EXPECT_EQ(project().SlideCount(), 3);
    const MessageBoxRequest asked = ui.messages().back();
    EXPECT_EQ(asked.text, "Save changes to Untitled?");
    EXPECT_EQ(asked.buttons, MsgButtons::YesNoCancel);

    ui.queueMessageAnswer(MsgResult::No);
    files().NewShow();
    EXPECT_EQ(project().SlideCount(), 0);
    EXPECT_TRUE(QDir(folder()).entryList({"*.json"}).isEmpty());

    AddThroughDialog(MakePictures(2));
    const QString path = dir.filePath("trip.json");
    ui.queueMessageAnswer(MsgResult::Yes);
    ui.queueFiles({path});
    files().NewShow();
    ASSERT_TRUE(files().OpenShowFile(path));
    EXPECT_EQ(project().SlideCount(), 2);
    EXPECT_EQ(form->windowTitle(), "Picture #1 - trip.json");
    project().slide(1).Caption = QStringLiteral("changed");
    files().CheckNow();
    EXPECT_EQ(form->windowTitle(), "Picture #1 - trip.json*");
    // Closing asks too; Cancel keeps the window open.
    ui.queueMessageAnswer(MsgResult::Cancel);
    EXPECT_FALSE(form->close());
    EXPECT_EQ(files().RecentShows(), QStringList{path});
    // Opening the same show again from the recent list asks as well.
    ui.queueMessageAnswer(MsgResult::Cancel);
    form->findChild<QAction*>("mnuRecentShow1")->trigger();
    EXPECT_EQ(ui.messages().back().text, "Save changes to trip.json?");
    EXPECT_EQ(project().slide(1).Caption, "changed");
}

// Missing pictures are listed once; their slides open with their captions
// and an empty preview.
TEST_F(ShowFiles, OpenWithAMissingPicture) {
    MakePictures(1);
    const QString path = WriteShow("gone.json", R"({"slides": [
        {"PicturePath": "pics/p1.jpg", "Caption": "here"},
        {"PicturePath": "pics/lost.jpg", "Caption": "lost one"}]})");
    ASSERT_TRUE(files().OpenShowFile(path));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_TRUE(ui.messages()[0].text.contains(
        "Slide 2: " + QDir::toNativeSeparators(dir.filePath("pics/lost.jpg"))));
    EXPECT_FALSE(ui.messages()[0].text.contains("p1.jpg"));
    ASSERT_EQ(project().SlideCount(), 2);
    form->navigation().ShowSlide(2);
    EXPECT_TRUE(form->ui.Image1->image().isNull());
    EXPECT_EQ(form->ui.txtCaption->text(), "lost one");
    EXPECT_FALSE(files().IsModified());
}

// A window that goes away without closing (a crash) leaves the recovery file;
// the next window offers it, and a clean exit removes it.
TEST_F(ShowFiles, RecoveryAfterACrash) {
    files().setRecoveryFolder(dir.filePath("data"));
    AddThroughDialog(MakePictures(3));
    const QString path = dir.filePath("crash.json");
    ui.queueFiles({path});
    ASSERT_TRUE(files().SaveShowAs());
    // A caption still being typed is saved by the shortcut too.
    form->ui.txtCaption->setFocus();
    form->ui.txtCaption->selectAll();
    QTest::keyClicks(form->ui.txtCaption, "typed, then saved");
    form->findChild<QAction*>("mnuSaveShow")->trigger();
    EXPECT_TRUE(ReadFile(path).contains("typed, then saved"));
    project().slide(2).Caption = QStringLiteral("unsaved ünïcode");
    files().WriteRecoveryNow();
    files().WaitForRecovery();
    const QString recovery = files().RecoveryPath();
    ASSERT_TRUE(QFile::exists(recovery));
    form.reset();

    // Started again with the same show: restored, and not read over.
    form = std::make_unique<Form1>(ui);
    files().setRecoveryFolder(dir.filePath("data"));
    ui.queueMessageAnswer(MsgResult::Yes);
    files().StartUp(path);
    EXPECT_TRUE(ui.messages().back().text.contains("Restore"));
    ASSERT_EQ(project().SlideCount(), 3);
    EXPECT_EQ(project().slide(2).Caption, "unsaved ünïcode");
    EXPECT_TRUE(files().IsModified());
    // A second window started meanwhile keeps its own file and offers nothing.
    Form1 second(ui);
    second.showFiles().setRecoveryFolder(dir.filePath("data"));
    const auto asked = ui.questions().size();
    second.showFiles().OfferRecovery();
    EXPECT_EQ(ui.questions().size(), asked);
    EXPECT_NE(second.showFiles().RecoveryPath(), recovery);

    ui.queueMessageAnswer(MsgResult::No);  // do not save
    ui.queueMessageAnswer(MsgResult::Yes); // exit
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(QFile::exists(recovery));
}

// The show saved in the window compiles to the same files from the window,
// through the real name prompts, and from the command line.
TEST_F(ShowFiles, WindowAndCommandLineCompileAlike) {
    AddThroughDialog(MakePictures(3));
    project().slide(1).Caption = QStringLiteral("Première");
    project().settings.NumSecDelay = 7;
    const QString path = dir.filePath("trip.json");
    ui.queueFiles({path});
    ASSERT_TRUE(files().SaveShowAs());
    QDir(folder()).mkpath("win");
    QDir(folder()).mkpath("cli");

    ui.queueMessageAnswer(MsgResult::Yes); // compile now
    ui.queueMessageAnswer(MsgResult::Yes); // go on with slides lacking captions
    ui.queueFolder(dir.filePath("win"));
    ui.queueInput(QStringLiteral("Hello"));
    ui.queueMessageAnswer(MsgResult::No); // view now
    QStringList proposed;
    QTimer typist;
    QObject::connect(&typist, &QTimer::timeout, [&] {
        auto* w = qobject_cast<frmFileName*>(QApplication::activeModalWidget());
        if (!w)
            return;
        proposed << w->txtFileName->text();
        w->txtFileName->setText(proposed.size() == 1 ? "Trip" : "show");
        w->cmdOk->click();
    });
    typist.start(5);
    QProgressBar bar(form.get());
    bool songStopped = false;
    ASSERT_EQ(CompileFromWindow(project(), form.get(), ui, &bar, [&] { songStopped = true; }),
              CompileOutcome::Compiled);
    typist.stop();
    // The folder is proposed from the page name; the song stopped, the
    // progress and the busy cursor are gone, the program folder's files found.
    ASSERT_EQ(proposed.size(), 2);
    EXPECT_TRUE(proposed[0].startsWith("Slide Show "));
    EXPECT_EQ(proposed[1], "trip");
    EXPECT_TRUE(songStopped);
    EXPECT_FALSE(bar.isVisibleTo(form.get()));
    EXPECT_EQ(form->cursor().shape(), Qt::ArrowCursor);
    for (const MessageBoxRequest& m : ui.messages())
        EXPECT_NE(m.title, "File Copy Error");

    // The names the window used go into the file for the command line.
    files().CheckNow();
    EXPECT_TRUE(files().IsModified());
    project().names.OutputFolder = dir.filePath("cli/show/");
    ASSERT_TRUE(files().SaveShow());
    LocalFileSystem fs;
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    // The command line's own fitter, as the program's: the show writes its
    // thumbnails there as in the window.
    const QtPictureFitter fitter;
    CommandContext c{
        fs,  ProgramFolder(), QDir::homePath(), folder(), QDateTime::currentDateTime(), out,
        err, &fitter};
    ASSERT_EQ(RunCommandLine({"pevrano-slideshow", "compile", path}, c), kCompiled)
        << errText.toStdString();
    const auto window = Tree(dir.filePath("win/show"));
    EXPECT_GT(window.size(), 10);
    EXPECT_EQ(window, Tree(dir.filePath("cli/show")));
}
