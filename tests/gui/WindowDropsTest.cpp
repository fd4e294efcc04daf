// Files dropped onto the real main window: handled after the drop event, told
// in one message, and refused while the show is being compiled.
#include "editor/ui/WindowDrops.h"
#include "MainWindowFixture.h"
#include "compiler/ui/NamePrompt.h"
#include "core/TestFiles.h"
#include "editor/ui/CompileWiring.h"
#include "editor/ui/ShowFileCommands.h"
#include "editor/ui/undo/EditHistory.h"

#include <QAction>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {
class WindowDropsTest : public MainWindowTest {
protected:
    QAction* Action(const char* name) { return form->findChild<QAction*>(name); }
};
} // namespace

// Twenty unreadable pictures among good ones: the drop event returns before
// anything is checked, and one message names every refused file.
TEST_F(WindowDropsTest, RefusedFilesAreNamedInOneMessageAfterTheDrop) {
    // A file of another kind first: the message names it after the pictures.
    const QString letter = MakeBrokenPicture(folder(), "letter.txt");
    QStringList dropped{letter};
    QStringList broken;
    for (int i = 1; i <= 20; ++i) {
        broken << MakeBrokenPicture(dir.filePath("bad"), QStringLiteral("b%1.jpg").arg(i));
        dropped << broken.back();
        if (i % 10 == 0)
            dropped << MakePicture(dir.filePath("good"), QStringLiteral("g%1.jpg").arg(i));
    }

    DropFiles(dropped);
    // Nothing done yet: the drag source is free again at once.
    EXPECT_EQ(project().SlideCount(), 0);
    EXPECT_TRUE(ui.messages().empty());
    ASSERT_TRUE(RunEventsUntil([&] { return !ui.messages().empty(); }));

    EXPECT_EQ(project().SlideCount(), 2);
    EXPECT_TRUE(project().slide(2).PicturePath.endsWith("g20.jpg"));
    const auto messages = ui.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "File Error");
    EXPECT_EQ(messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(messages[0].text,
              "There was a problem with 20 picture file(s), these files will not be used.\n\n"
              "1 file(s) were not added: pictures (JPEG, PNG, GIF, BMP, WebP, TIFF, HEIC, AVIF) "
              "and folders of pictures can be dropped together; a show file or a song is dropped "
              "on its own.");
    EXPECT_EQ(messages[0].details, (broken + QStringList{letter}).join('\n'));

    // One unreadable picture alone is told as the Add command tells it.
    ui.clear();
    DropAndHandle({broken[0]});
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, "There was a problem with picture file " + broken[0] +
                                         " this file will not be used.");
    EXPECT_EQ(ui.messages()[0].details, "");
    EXPECT_EQ(project().SlideCount(), 2);
}

// A folder with more pictures than the show has room for: as many as fit are
// added, and the message says how many were left out and why.
TEST_F(WindowDropsTest, AFolderPastTheLimitSaysHowManyWereLeftOut) {
    const QString kept = MakePicture(dir.filePath("kept"), "k.jpg");
    {
        const EditStep step(form->history(), EditKind::AddPictures);
        for (int k = 1; k <= 997; ++k)
            project().AppendPicture(kept);
    }
    form->ShowCurrentSlide();
    const QString many = dir.filePath("many");
    const QString bad = MakeBrokenPicture(many, "a.jpg");
    for (int i = 1; i <= 7; ++i)
        MakePicture(many, QStringLiteral("p%1.jpg").arg(i));

    DropAndHandle({many});
    ASSERT_EQ(project().SlideCount(), 1000);
    EXPECT_TRUE(project().slide(1000).PicturePath.endsWith("many/p3.jpg"));
    auto messages = ui.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "File Error");
    EXPECT_EQ(messages[0].text,
              "There was a problem with 1 picture file(s), these files will not be used.\n\n"
              "4 more picture(s) were left out: a show holds at most 1000 pictures.");
    EXPECT_EQ(messages[0].details, bad);

    // Without a refused file the message is the full show's.
    form->history().Undo();
    ASSERT_EQ(project().SlideCount(), 997);
    QFile::remove(bad);
    ui.clear();
    DropAndHandle({many});
    EXPECT_EQ(project().SlideCount(), 1000);
    messages = ui.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "File is full!");
    EXPECT_EQ(messages[0].text,
              "4 more picture(s) were left out: a show holds at most 1000 pictures.");
}

// A show file dropped while "Make HTML File" runs is refused: the compile
// writes the show it started with, into the folder chosen, and nothing else.
// Meanwhile the commands are off and the window does not close.
TEST_F(WindowDropsTest, ADropWhileCompilingIsRefused) {
    ConnectCompileCommand(*form);
    const QStringList pictures = MakePictures(4);
    AddThroughDialog(pictures.mid(0, 3));
    for (int k = 1; k <= 3; ++k)
        project().slide(k).Caption = QStringLiteral("slide %1").arg(k);
    form->ShowCurrentSlide(); // the caption box, stored by the command, shows the caption
    const QString mine = dir.filePath("mine.json");
    ui.queueFiles({mine});
    ASSERT_TRUE(form->showFiles().SaveShowAs());
    // A show whose last compile went elsewhere, under other names.
    const QString elsewhere = dir.filePath("elsewhere");
    QDir().mkpath(elsewhere);
    const QString other = dir.filePath("other.json");
    WriteFile(other, QStringLiteral(R"({"slides": [{"PicturePath": "%1"}, {"PicturePath": "%1"},
        {"PicturePath": "%1"}, {"PicturePath": "%1"}], "compile": {"FirstPageName": "stolen",
        "ShowFolderName": "taken", "Directory": "%2"}})")
                         .arg(pictures[3], elsewhere)
                         .toUtf8());
    const QString out = dir.filePath("out");
    QDir().mkpath(out);

    ui.queueMessageAnswer(MsgResult::Yes); // compile now
    ui.queueFolder(out);
    ui.queueInput(QStringLiteral("Hello"));
    ui.queueMessageAnswer(MsgResult::No); // view now
    QTimer typist;
    int typed = 0;
    QObject::connect(&typist, &QTimer::timeout, [&] {
        auto* w = qobject_cast<NamePrompt*>(QApplication::activeModalWidget());
        if (!w)
            return;
        Control<QLineEdit>(*w, "txtFileName")->setText(++typed == 1 ? "Trip" : "show");
        Control<QPushButton>(*w, "cmdOk")->click();
    });
    typist.start(5);
    struct During {
        bool add = true, open = true, caption = true, help = false, closed = true;
    };
    std::optional<During> during;
    QObject::connect(form->ui.PBar1, &QProgressBar::valueChanged, form.get(), [&](int value) {
        if (during || value < 1)
            return;
        during =
            During{form->ui.cmdAdd->isEnabled(), Action("mnuOpenShow")->isEnabled(),
                   form->ui.txtCaption->isEnabled(), Action("mnuHelp")->isEnabled(), form->close()};
        DropFiles({other});
    });
    // The menu entry leaves the focus in the caption box.
    form->ui.txtCaption->setFocus();
    RunEventsFor(20);
    Action("mnuFinish")->trigger();
    typist.stop();

    ASSERT_TRUE(during);
    EXPECT_FALSE(during->add);
    EXPECT_FALSE(during->open);
    EXPECT_FALSE(during->caption);
    EXPECT_TRUE(during->help);
    EXPECT_FALSE(during->closed);
    EXPECT_TRUE(form->isVisible());
    int refused = 0;
    for (const MessageBoxRequest& m : ui.messages())
        if (m.title == "Make HTML File") {
            ++refused;
            EXPECT_EQ(m.text,
                      "The slide show is being compiled. Drop the files again when it is done.");
            EXPECT_EQ(m.icon, MsgIcon::Exclamation);
        }
    EXPECT_EQ(refused, 1);

    // The show compiled is the one the window still has.
    EXPECT_EQ(project().SlideCount(), 3);
    EXPECT_EQ(form->showFiles().document().path, mine);
    EXPECT_TRUE(QFile::exists(dir.filePath("out/show/trip.htm")));
    EXPECT_TRUE(ReadFile(dir.filePath("out/show/pix/allcode.js")).contains("slide 3"));
    EXPECT_TRUE(QDir(elsewhere).isEmpty());
    // The commands are back.
    EXPECT_TRUE(form->ui.cmdAdd->isEnabled());
    EXPECT_TRUE(Action("mnuOpenShow")->isEnabled());
    EXPECT_TRUE(form->ui.txtCaption->isEnabled());
    EXPECT_TRUE(form->ui.cmdFinish->isEnabled());
    EXPECT_EQ(form->focusWidget(), form->ui.txtCaption);

    // Once the compile has ended a drop is taken again.
    ui.queueMessageAnswer(MsgResult::No); // the names used are not saved
    DropAndHandle({other});
    EXPECT_EQ(project().SlideCount(), 4);
}
