// The File menu's show files in the real main window.
#include "editor/ui/ShowFileCommands.h"
#include "MainWindowFixture.h"
#include "compiler/CompileCommand.h"
#include "compiler/ui/CompileFromWindow.h"
#include "compiler/ui/NamePrompt.h"
#include "core/TestFiles.h"
#include "editor/ui/PictureView.h"
#include "editor/ui/PreviewNavigation.h"
#include "editor/ui/undo/EditHistory.h"
#include "platform/LocalFileSystem.h"
#include "platform/ProgramFolder.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace {
class ShowFiles : public MainWindowTest {
protected:
    ShowFileCommands& files() { return form->showFiles(); }
    QString WriteShow(const QString& name, const QByteArray& json) {
        WriteFile(dir.filePath(name), json);
        return dir.filePath(name);
    }
    // Writes the recovery file now and waits until it is on disk.
    void WriteRecovery() {
        files().WriteRecoveryNow();
        files().WaitForRecovery();
    }
    // A new window in place of this one (gone without closing), started with
    // the show and restoring what the recovery folder offers.
    void Restart(const QString& data, const QString& show = {}) {
        form = std::make_unique<MainWindow>(ui);
        files().setRecoveryFolder(data);
        ui.queueMessageAnswer(MsgResult::Yes);
        files().StartUp(show);
    }
};

// A page without its creation time, which two compiles a second apart write
// differently.
QByteArray Undated(QByteArray page) {
    static const QRegularExpression created(QStringLiteral("<!-- created on: [^>]*-->"));
    return QString::fromLatin1(page).remove(created).toLatin1();
}

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
    EXPECT_EQ(form->windowTitle(), "Picture #3 - Untitled*");
    // A show started in the window writes the player page; a new one too.
    EXPECT_TRUE(project().settings.Player);
    project().settings.Player = false;

    ui.queueMessageAnswer(MsgResult::Cancel);
    files().NewShow();
    EXPECT_EQ(project().SlideCount(), 3);
    const MessageBoxRequest asked = ui.messages().back();
    EXPECT_EQ(asked.text, "Save changes to Untitled?");
    EXPECT_EQ(asked.buttons, MsgButtons::YesNoCancel);

    ui.queueMessageAnswer(MsgResult::No);
    files().NewShow();
    EXPECT_EQ(project().SlideCount(), 0);
    EXPECT_TRUE(project().settings.Player);
    EXPECT_TRUE(QDir(folder()).entryList({"*.json"}).isEmpty());

    AddThroughDialog(MakePictures(2));
    const QString path = dir.filePath("trip.json");
    ui.queueMessageAnswer(MsgResult::Yes);
    ui.queueFiles({path});
    files().NewShow();
    ASSERT_TRUE(files().OpenShowFile(path));
    EXPECT_EQ(project().SlideCount(), 2);
    EXPECT_EQ(form->windowTitle(), "Picture #1 - trip.json");
    {
        const EditStep step(form->history(), EditKind::Caption);
        project().slide(1).Caption = QStringLiteral("changed");
    }
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

// Missing pictures are listed once, in a list that scrolls; their slides open
// with their captions and an empty preview. Keys of a newer version are named
// once and kept through a plain save, a slide's with its slide.
TEST_F(ShowFiles, OpenWithAMissingPictureAndKeysOfANewerVersion) {
    MakePictures(1);
    const QString path = WriteShow("gone.json", R"({"format": 2, "Chapters": [1], "slides": [
        {"PicturePath": "pics/p1.jpg", "Caption": "here", "Narration": "one.mp3"},
        {"PicturePath": "pics/lost.jpg", "Caption": "lost one"}]})");
    ASSERT_TRUE(files().OpenShowFile(path));
    ASSERT_EQ(ui.messages().size(), 2u);
    EXPECT_EQ(ui.messages()[0].details,
              "Chapters: unknown key, kept\n"
              "format: written by a newer version; keys it added are kept, not used\n"
              "slides[0].Narration: unknown key, kept");
    EXPECT_EQ(ui.messages()[1].details,
              "Slide 2: " + QDir::toNativeSeparators(dir.filePath("pics/lost.jpg")));
    ASSERT_EQ(project().SlideCount(), 2);
    project().setCurrentSlide(2);
    form->navigation().ShowSlide(2);
    EXPECT_TRUE(form->ui.Image1->image().isNull());
    EXPECT_EQ(form->ui.txtCaption->text(), "lost one");
    EXPECT_FALSE(files().IsModified());

    form->ui.txtCaption->setFocus();
    RunEventsFor(20);
    form->ui.txtCaption->end(false);
    QTest::keyClicks(form->ui.txtCaption, " and found");
    form->findChild<QAction*>("mnuSaveShow")->trigger();
    EXPECT_EQ(ui.messages().size(), 2u);
    const QJsonObject saved = QJsonDocument::fromJson(ReadFile(path)).object();
    EXPECT_EQ(saved["format"].toInt(), 2);
    EXPECT_EQ(saved["Chapters"].toArray(), QJsonArray{1});
    EXPECT_EQ(saved["slides"][0]["Narration"].toString(), "one.mp3");
    EXPECT_EQ(saved["slides"][1]["Caption"].toString(), "lost one and found");
}

// Two windows with the same show: saving over what the other one saved asks
// first. Cancel saves nothing, No saves under another name, Yes saves over.
TEST_F(ShowFiles, SavingOverAShowChangedOnDiskAsks) {
    AddThroughDialog(MakePictures(3));
    const QString path = dir.filePath("both.json");
    ASSERT_TRUE(SaveAs(path));
    MainWindow other(ui);
    ASSERT_TRUE(other.showFiles().OpenShowFile(path));
    other.project().slide(1).Caption = QStringLiteral("from the other window");
    ASSERT_TRUE(other.showFiles().SaveShow());
    const auto asked = ui.messages().size();

    project().slide(2).Caption = QStringLiteral("from this window");
    ui.queueMessageAnswer(MsgResult::Cancel);
    EXPECT_FALSE(files().SaveShow());
    ASSERT_EQ(ui.messages().size(), asked + 1);
    EXPECT_EQ(ui.messages().back().buttons, MsgButtons::YesNoCancel);
    EXPECT_TRUE(ui.messages().back().text.startsWith("both.json was changed on disk"));
    EXPECT_TRUE(ReadFile(path).contains("from the other window"));

    const QString mine = dir.filePath("mine.json");
    ui.queueMessageAnswer(MsgResult::No);
    ui.queueFiles({mine});
    EXPECT_TRUE(files().SaveShow());
    EXPECT_TRUE(ReadFile(mine).contains("from this window"));
    EXPECT_FALSE(ReadFile(path).contains("from this window"));

    ASSERT_TRUE(other.showFiles().OpenShowFile(mine));
    other.project().slide(3).Caption = QStringLiteral("again");
    ASSERT_TRUE(other.showFiles().SaveShow());
    project().slide(3).Caption = QStringLiteral("the last word");
    ui.queueMessageAnswer(MsgResult::Yes);
    EXPECT_TRUE(files().SaveShow());
    EXPECT_TRUE(ReadFile(mine).contains("the last word"));
}

// A window that goes away without closing (a crash) leaves the recovery file;
// the next window offers it, and a clean exit removes it.
TEST_F(ShowFiles, RecoveryAfterACrash) {
    files().setRecoveryFolder(dir.filePath("data"));
    AddThroughDialog(MakePictures(3));
    const QString path = dir.filePath("crash.json");
    ASSERT_TRUE(SaveAs(path));
    project().slide(2).Caption = QStringLiteral("unsaved ünïcode");
    WriteRecovery();
    const QString recovery = files().RecoveryPath();
    ASSERT_TRUE(QFile::exists(recovery));
    form.reset();

    // Started again with the same show: restored, and not read over.
    Restart(dir.filePath("data"), path);
    EXPECT_TRUE(ui.messages().back().text.contains("Restore"));
    ASSERT_EQ(project().SlideCount(), 3);
    EXPECT_EQ(project().slide(2).Caption, "unsaved ünïcode");
    EXPECT_TRUE(files().IsModified());
    // A second window started meanwhile keeps its own file and offers nothing.
    MainWindow second(ui);
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

// Windows A and B have one show; A changes it, B saves it, A crashes. The show
// restored from A's recovery file knows the file as A last saw it: saving it
// over B's asks, as for any show changed on disk; saving over a file nobody
// changed since does not.
TEST_F(ShowFiles, RestoredShowAsksBeforeSavingOverAShowSavedAfterTheCrash) {
    const QString data = dir.filePath("data");
    files().setRecoveryFolder(data);
    AddThroughDialog(MakePictures(3));
    const QString path = dir.filePath("shared.json");
    ASSERT_TRUE(SaveAs(path));
    const auto crash = [&](const QString& caption) {
        project().slide(1).Caption = caption;
        WriteRecovery();
        form.reset();
    };
    const auto restart = [&] {
        Restart(data);
        ASSERT_EQ(files().document().path, path);
    };
    {
        MainWindow b(ui);
        b.showFiles().setRecoveryFolder(data);
        ASSERT_TRUE(b.showFiles().OpenShowFile(path));
        crash(QStringLiteral("from window A"));
        b.project().slide(2).Caption = QStringLiteral("from window B");
        ASSERT_TRUE(b.showFiles().SaveShow());
    }
    restart();
    EXPECT_EQ(project().slide(1).Caption, "from window A");
    const auto asked = ui.messages().size();
    ui.queueMessageAnswer(MsgResult::Cancel);
    form->findChild<QAction*>("mnuSaveShow")->trigger();
    ASSERT_EQ(ui.messages().size(), asked + 1);
    EXPECT_TRUE(ui.messages().back().text.startsWith("shared.json was changed on disk"));
    EXPECT_TRUE(ReadFile(path).contains("from window B"));
    EXPECT_FALSE(ReadFile(path).contains("from window A"));
    ui.queueMessageAnswer(MsgResult::Yes);
    ASSERT_TRUE(files().SaveShow());
    EXPECT_TRUE(ReadFile(path).contains("from window A"));

    // Nobody saved after this crash: the restored show saves without a word.
    crash(QStringLiteral("again from A"));
    restart();
    const auto before = ui.messages().size();
    ASSERT_TRUE(files().SaveShow());
    EXPECT_EQ(ui.messages().size(), before);
    EXPECT_TRUE(ReadFile(path).contains("again from A"));
}

// Run by SecondWindowsRecoveryAfterItsProcessDied in a process of its own,
// which it then kills: a window that changes its show and writes its
// recovery file.
TEST_F(ShowFiles, WindowOfAProcessThatDies) {
    const QString data = qEnvironmentVariable("PEVRANO_DYING_WINDOW");
    if (data.isEmpty())
        GTEST_SKIP() << "started by SecondWindowsRecoveryAfterItsProcessDied";
    files().setRecoveryFolder(data);
    AddThroughDialog(MakePictures(2));
    project().slide(1).Caption = QStringLiteral("typed in the window that died");
    WriteRecovery();
    std::printf("written: %s\n", qPrintable(files().RecoveryPath()));
    std::fflush(stdout);
    RunEventsFor(60000); // killed long before
}

// Window B of a second process changes its show and is killed; window A
// exits cleanly; the next start offers B's work.
TEST_F(ShowFiles, SecondWindowsRecoveryAfterItsProcessDied) {
    const QString data = dir.filePath("data");
    files().setRecoveryFolder(data);
    AddThroughDialog(MakePictures(1));
    WriteRecovery();
    EXPECT_EQ(files().RecoveryPath(), QDir(data).filePath("recovery.json"));

    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PEVRANO_DYING_WINDOW"), data);
    env.insert(QStringLiteral("TMPDIR"), folder()); // its pictures go with this test's
    second.setProcessEnvironment(env);
    second.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--gtest_filter=ShowFiles.WindowOfAProcessThatDies")});
    QString output;
    const QString written = "written: " + QDir(data).filePath("recovery-2.json");
    const bool ready = RunEventsUntil(
        [&] {
            second.waitForReadyRead(50);
            output += QString::fromLocal8Bit(second.readAllStandardOutput());
            return output.contains(written) || second.state() == QProcess::NotRunning;
        },
        30000);
    ASSERT_TRUE(ready && output.contains(written)) << output.toStdString();
    second.kill();
    ASSERT_TRUE(second.waitForFinished(10000));

    ui.queueMessageAnswer(MsgResult::No);  // do not save
    ui.queueMessageAnswer(MsgResult::Yes); // exit
    ASSERT_TRUE(form->close());
    form.reset();

    Restart(data);
    EXPECT_EQ(ui.messages().back().text, "Pevrano Slide Show did not close properly. Restore the "
                                         "unsaved changes to Untitled?");
    ASSERT_EQ(project().SlideCount(), 2);
    EXPECT_EQ(project().slide(1).Caption, "typed in the window that died");
    // This window carries on in B's file.
    EXPECT_EQ(files().RecoveryPath(), QDir(data).filePath("recovery-2.json"));
}

// Every file left behind is offered, newest first: the first restored goes
// into this window, a further one into a new window, a declined one goes,
// and one that cannot be read is kept aside with a word.
TEST_F(ShowFiles, EveryRecoveryFileLeftBehindIsOfferedNewestFirst) {
    const QString data = dir.filePath("data");
    const QString picture = MakePictures(1).first();
    const auto leave = [&](int n, const QByteArray& bytes, int minutesAgo) {
        const QString file = QDir(data).filePath(QStringLiteral("recovery-%1.json").arg(n));
        WriteFile(file, bytes);
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::ReadWrite));
        f.setFileTime(QDateTime::currentDateTime().addSecs(-60 * minutesAgo),
                      QFileDevice::FileModificationTime);
    };
    const auto show = [&](const char* name, const char* caption) {
        return QStringLiteral(R"({"recoveryOf": "%1", "show": {"slides": [
                                  {"PicturePath": "%2", "Caption": "%3"}]}})")
            .arg(dir.filePath(name), picture, caption)
            .toUtf8();
    };
    leave(3, show("three.json", "third"), 30);
    leave(4, show("four.json", "fourth"), 20);
    leave(5, show("five.json", "fifth"), 10);
    leave(7, "{\"show\": ", 1);

    std::vector<std::unique_ptr<MainWindow>> opened;
    form->seams.openWindow = [&] {
        opened.push_back(std::make_unique<MainWindow>(ui));
        return opened.back().get();
    };
    files().setRecoveryFolder(data);
    ui.queueMessageAnswer(MsgResult::Yes); // five
    ui.queueMessageAnswer(MsgResult::No);  // four
    ui.queueMessageAnswer(MsgResult::Yes); // three
    EXPECT_TRUE(files().OfferRecovery());
    const auto m = ui.messages();
    ASSERT_EQ(m.size(), 4u);
    const QStringList aside = QDir(data).entryList({"recovery-7-unreadable-*.json"});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(m[0].text.startsWith("A recovery file could not be read"));
    EXPECT_TRUE(m[0].text.endsWith(QDir(data).filePath(aside[0])));
    EXPECT_FALSE(QFile::exists(QDir(data).filePath("recovery-7.json")));
    EXPECT_TRUE(m[1].text.endsWith("changes to five.json?"));
    EXPECT_TRUE(m[2].text.endsWith("changes to four.json?"));
    EXPECT_TRUE(m[3].text.endsWith("changes to three.json?"));
    EXPECT_EQ(project().slide(1).Caption, "fifth");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0]->project().slide(1).Caption, "third");
    EXPECT_FALSE(QFile::exists(QDir(data).filePath("recovery-4.json")));
    // Each window keeps the file it restored, so a second crash loses nothing.
    EXPECT_EQ(files().RecoveryPath(), QDir(data).filePath("recovery-5.json"));
    EXPECT_EQ(opened[0]->showFiles().RecoveryPath(), QDir(data).filePath("recovery-3.json"));
    MainWindow later(ui);
    later.showFiles().setRecoveryFolder(data);
    EXPECT_FALSE(later.showFiles().OfferRecovery());
    EXPECT_EQ(ui.messages().size(), 4u);
}

// A caption being typed is stored before the sorter reads the show, and
// reaches the recovery file while the box still has the focus.
TEST_F(ShowFiles, CaptionBeingTypedReachesTheSorterAndTheRecoveryFile) {
    files().setRecoveryFolder(dir.filePath("data"));
    AddThroughDialog(MakePictures(3));
    ASSERT_TRUE(SaveAs(dir.filePath("typed.json")));
    form->ui.txtCaption->setFocus();
    form->ui.txtCaption->selectAll();
    QTest::keyClicks(form->ui.txtCaption, "still typing");
    EXPECT_EQ(form->windowTitle(), "Picture #3 - typed.json*");
    WriteRecovery();
    EXPECT_TRUE(ReadFile(files().RecoveryPath()).contains("still typing"));

    QString seen;
    form->seams.openSorter = [&] {
        seen = project().slide(3).Caption;
        form->ShowCurrentSlide(); // as the sorter does when it closes
    };
    form->findChild<QAction*>("mnuSortPictures")->trigger();
    EXPECT_EQ(seen, "still typing");
    EXPECT_EQ(form->ui.txtCaption->text(), "still typing");

    // Add Picture(s)... from the menu empties the box for the new slide.
    QTest::keyClicks(form->ui.txtCaption, ", then added");
    ui.queueFiles(MakePictures(1, "more"));
    form->findChild<QAction*>("mnuAddPictures")->trigger();
    EXPECT_EQ(project().slide(3).Caption, "still typing, then added");
    EXPECT_EQ(project().SlideCount(), 4);
}

// An idle window does no work on its show; a run of changes is one
// recovery write, a few seconds after it began.
TEST_F(ShowFiles, IdleWindowLeavesItsShowAlone) {
    files().setRecoveryFolder(dir.filePath("data"));
    AddThroughDialog(MakePictures(3));
    QTest::keyClicks(form->ui.txtCaption, "abc");
    EXPECT_TRUE(files().RecoveryDue());
    EXPECT_EQ(files().RecoveryWrites(), 0);
    EXPECT_TRUE(RunEventsUntil([&] { return files().RecoveryWrites() == 1; },
                               ShowFileCommands::kRecoveryDelayMilliseconds + 2000));
    RunEventsFor(1500);
    EXPECT_EQ(files().RecoveryWrites(), 1);
    EXPECT_FALSE(files().RecoveryDue());
    // Input that changes nothing is no change.
    form->ui.cmdFB[0]->setFocus();
    QTest::keyClick(form->ui.cmdFB[0], Qt::Key_Shift);
    EXPECT_FALSE(files().RecoveryDue());
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
        auto* w = qobject_cast<NamePrompt*>(QApplication::activeModalWidget());
        if (!w)
            return;
        proposed << Control<QLineEdit>(*w, "txtFileName")->text();
        Control<QLineEdit>(*w, "txtFileName")->setText(proposed.size() == 1 ? "Trip" : "show");
        Control<QPushButton>(*w, "cmdOk")->click();
    });
    typist.start(5);
    QProgressBar bar(form.get());
    bool songStopped = false;
    const CompileResult compiled = CompileFromWindow(form->document().show(), form.get(), ui, &bar,
                                                     [&] { songStopped = true; });
    typist.stop();
    ASSERT_EQ(compiled.outcome, CompileOutcome::Compiled);
    // As the window's command does: what the compile keeps is a step.
    form->document().KeepAnswers(compiled.answers);
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

    // The names the window used go into the file for the command line, and
    // are one step of the show.
    EXPECT_TRUE(files().IsModified());
    EXPECT_EQ(form->findChild<QAction*>("mnuUndo")->text(), "Undo Names and Folder");
    project().names.OutputFolder = dir.filePath("cli/show/");
    ASSERT_TRUE(files().SaveShow());
    LocalFileSystem fs;
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    // The program's command line scales pictures as the window does: the
    // show from the window writes thumbnails and phone sizes.
    CommandContext c{
        fs, ProgramFolder(), QDir::homePath(), folder(), QDateTime::currentDateTime(), out, err};
    ASSERT_EQ(RunCommandLine({"pevrano-slideshow", "compile", path}, c), kCompiled)
        << errText.toStdString();
    const auto window = Tree(dir.filePath("win/show"));
    EXPECT_GT(window.size(), 10);
    const auto cli = Tree(dir.filePath("cli/show"));
    EXPECT_EQ(window.keys(), cli.keys());
    for (auto it = window.begin(); it != window.end(); ++it)
        EXPECT_TRUE(Undated(it.value()) == Undated(cli.value(it.key()))) << it.key().toStdString();
}

// A show file over the limit is refused before it is read, with the show in
// the window left as it was.
TEST_F(ShowFiles, ShowFileOverTheLimitIsRefusedUnread) {
    const QString path = WriteShow("huge.json", R"({"slides": []})");
    ASSERT_TRUE(QFile::resize(path, 300LL * 1024 * 1024));
    EXPECT_FALSE(files().OpenShowFile(path));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].title, "Open Show");
    EXPECT_EQ(ui.messages()[0].text,
              path + ": cannot read the show file: it is larger than 256 MB");
}
