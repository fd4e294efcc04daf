// The unsaved mark and the crash recovery file follow every change of the
// show, however it was made: no input event is needed, and a window closed
// without saving leaves nothing behind.
#include "GuiTestSupport.h"
#include "MainWindowFixture.h"
#include "captionstyle/ui/CaptionStylePreview.h"
#include "colortool/ui/TintaraWindow.h"
#include "core/TestFiles.h"
#include "document/ShowFileState.h"
#include "editor/ui/ColorToolWiring.h"
#include "editor/ui/ShowFileCommands.h"
#include "editor/ui/undo/EditHistory.h"
#include "platform/ProgramFolder.h"
#include "project/ColorText.h"
#include "sorter/ui/SorterWindow.h"
#include "sorter/ui/ThumbnailStore.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {
class ShowRecovery : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        files().setRecoveryFolder(data());
    }
    ShowFileCommands& files() { return form->showFiles(); }
    QString data() const { return dir.filePath(QStringLiteral("data")); }
    // The show the next recovery file holds, once it is written.
    std::optional<RecoveredShow> Recovered(ShowFileCommands& commands) {
        const int writes = commands.RecoveryWrites();
        const bool written = RunEventsUntil([&] { return commands.RecoveryWrites() > writes; },
                                            ShowFileCommands::kRecoveryDelayMilliseconds + 3000);
        commands.WaitForRecovery();
        const QString path = commands.RecoveryPath();
        if (!written || !QFile::exists(path))
            return std::nullopt;
        return ReadRecovery(ReadFile(path), {ProgramFolder(), QDir::homePath(), QString()});
    }
    // Large pictures whose checks keep the event loop running for a while.
    QStringList LargePictures(int n) {
        QStringList paths;
        for (int i = 1; i <= n; ++i) {
            QImage image(2400, 1800, QImage::Format_RGB32);
            QPainter painter(&image);
            QLinearGradient gradient(0, 0, image.width(), image.height());
            gradient.setColorAt(0, QColor::fromHsv((i * 37) % 360, 200, 200));
            gradient.setColorAt(1, Qt::white);
            painter.fillRect(image.rect(), gradient);
            painter.end();
            const QString path = dir.filePath(QStringLiteral("large/p%1.png").arg(i));
            QDir().mkpath(dir.filePath(QStringLiteral("large")));
            EXPECT_TRUE(image.save(path, "PNG", 80));
            paths << path;
        }
        return paths;
    }
};
} // namespace

// Pictures added without a key or a click after the window settled, whose
// checks run the event loop while the show is still empty: the show is
// marked at once and its recovery file holds every slide.
TEST_F(ShowRecovery, ASlowAddIsKept) {
    const QStringList pictures = LargePictures(10);
    RunEventsFor(1500);
    AddThroughDialog(pictures);
    ASSERT_EQ(project().SlideCount(), 10);
    EXPECT_EQ(form->windowTitle(), "Picture #10 - Untitled*");
    const auto recovered = Recovered(files());
    ASSERT_TRUE(recovered.has_value());
    ASSERT_EQ(recovered->show.project.SlideCount(), 10);
    EXPECT_EQ(recovered->show.project.slide(10).PicturePath, pictures[9]);
}

// A screen reader sets the caption through the box's accessible text, with
// no input event and without the box ever having the focus: the caption is
// the slide's at once, marked unsaved and kept in the recovery file. So is a
// delay set through the delay box's accessible value.
TEST_F(ShowRecovery, AnEditWithoutAnyInputEventIsKept) {
    AddThroughDialog(MakePictures(2));
    ASSERT_TRUE(SaveAs(dir.filePath("read.json")));
    EXPECT_EQ(form->windowTitle(), "Picture #2 - read.json");
    RunEventsFor(1500);
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(form->ui.txtCaption);
    ASSERT_NE(box, nullptr);
    ASSERT_NE(box->editableTextInterface(), nullptr);
    box->editableTextInterface()->insertText(0, QStringLiteral("Read aloud"));
    EXPECT_EQ(form->ui.txtCaption->text(), "Read aloud");
    EXPECT_EQ(project().slide(2).Caption, "Read aloud");
    EXPECT_EQ(form->windowTitle(), "Picture #2 - read.json*");
    const auto recovered = Recovered(files());
    ASSERT_TRUE(recovered.has_value());
    EXPECT_EQ(recovered->show.project.slide(2).Caption, "Read aloud");
    // The same through the box's accessible value; one step for the slide.
    box->setText(QAccessible::Value, QStringLiteral("Read aloud again"));
    EXPECT_EQ(project().slide(2).Caption, "Read aloud again");
    EXPECT_EQ(form->history().stack().count(), 2);
    // The delay box's value, held to the scroll bar's range.
    QAccessibleInterface* delay = QAccessible::queryAccessibleInterface(form->ui.txtPicTimeSec);
    ASSERT_NE(delay, nullptr);
    delay->setText(QAccessible::Value, QStringLiteral("12"));
    EXPECT_EQ(project().settings.NumSecDelay, 12);
    EXPECT_EQ(form->ui.VScrollSec->value(), 12);
    delay->setText(QAccessible::Value, QStringLiteral("500"));
    EXPECT_EQ(form->ui.txtPicTimeSec->text(), QString::number(project().settings.NumSecDelay));
    EXPECT_EQ(form->ui.VScrollSec->value(), project().settings.NumSecDelay);
    EXPECT_EQ(form->history().stack().undoText(), "Delay");
    EXPECT_EQ(form->history().stack().count(), 3);
}

// A swap confirmed in the picture sorter through the swap button's
// accessible action, as a screen reader presses it: a step of the show,
// marked and kept.
TEST_F(ShowRecovery, ASwapPressedWithoutInputIsKept) {
    AddThroughDialog(MakePictures(3));
    ASSERT_TRUE(SaveAs(dir.filePath("sorted.json")));
    const QString first = project().slide(1).PicturePath;
    SorterWindow sorter(form->document(), ui, form.get());
    sorter.show();
    ASSERT_TRUE(RunEventsUntil([&] { return !sorter.thumbnails().loading(); }));
    RunEventsFor(1500); // the sorter settled, its activation long past
    sorter.choosePicture(0);
    sorter.choosePicture(2);
    QAccessibleInterface* swap =
        QAccessible::queryAccessibleInterface(Control<QPushButton>(sorter, "cmdSwapPics"));
    ASSERT_NE(swap, nullptr);
    swap->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    // The press animates the click before it takes effect.
    EXPECT_TRUE(RunEventsUntil([&] { return project().slide(3).PicturePath == first; }, 2000));
    EXPECT_TRUE(form->windowTitle().endsWith("sorted.json*"));
    const auto recovered = Recovered(files());
    ASSERT_TRUE(recovered.has_value());
    EXPECT_EQ(recovered->show.project.slide(3).PicturePath, first);
}

// Two windows with unsaved shows; one is closed without saving. Its recovery
// file goes and is not written again, however busy the other window is, and
// the next start offers only the other window's show.
TEST_F(ShowRecovery, AClosedWindowsShowIsGoneWithIt) {
    MainWindow other(ui);
    other.show();
    other.showFiles().setRecoveryFolder(data());
    ui.queueFiles(MakePictures(3, QStringLiteral("others")));
    other.editing().addPictures();
    ASSERT_TRUE(Recovered(other.showFiles()).has_value());
    AddThroughDialog(MakePictures(2));
    ASSERT_TRUE(Recovered(files()).has_value());
    const QString closedFile = other.showFiles().RecoveryPath();
    ASSERT_NE(closedFile, files().RecoveryPath());

    ui.queueMessageAnswer(MsgResult::No);  // do not save
    ui.queueMessageAnswer(MsgResult::Yes); // exit
    ASSERT_TRUE(other.close());
    EXPECT_FALSE(QFile::exists(closedFile));

    // Keys, clicks and edits in the window left open.
    form->activateWindow();
    form->ui.txtCaption->setFocus();
    QTest::keyClicks(form->ui.txtCaption, QStringLiteral("still here"));
    QTest::mouseClick(form->ui.txtCaption, Qt::LeftButton);
    const auto kept = Recovered(files());
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(kept->show.project.slide(2).Caption, "still here");
    RunEventsFor(ShowFileCommands::kRecoveryDelayMilliseconds + 1000);
    EXPECT_FALSE(QFile::exists(closedFile));

    // A crash now: the next start offers this window's show alone.
    const QString keptFile = files().RecoveryPath();
    form.reset();
    ASSERT_TRUE(QFile::exists(keptFile));
    form = std::make_unique<MainWindow>(ui);
    files().setRecoveryFolder(data());
    const auto asked = ui.messages().size();
    ui.queueMessageAnswer(MsgResult::Yes);
    files().StartUp(QString());
    EXPECT_EQ(ui.messages().size(), asked + 1);
    EXPECT_EQ(project().SlideCount(), 2);
}

// A change made in each side window (the picture sorter, the colour tool,
// the caption style preview), with the main window never activated: it is a
// step of the Edit menu at once, under the name the main window's own
// command gives it, marks the show unsaved, shows in the main window's
// controls and reaches the recovery file; undone, the controls show the show
// as it was.
TEST_F(ShowRecovery, SideWindowChangesAreStepsAtOnce) {
    ConnectColorTool(*form);
    AddThroughDialog(MakePictures(2));
    {
        const EditStep step(form->history(), EditKind::Caption);
        project().slide(1).Caption = QStringLiteral("one");
        project().slide(2).Caption = QStringLiteral("two");
    }
    project().setCurrentSlide(1);
    form->ShowCurrentSlide();
    ASSERT_TRUE(SaveAs(dir.filePath("side.json")));
    RunEventsFor(500);
    QAction* undo = form->findChild<QAction*>(QStringLiteral("mnuUndo"));
    ASSERT_NE(undo, nullptr);
    project().tool.UseColorTool = true;
    // The colour tool on screen (one closed may wait for its deletion).
    const auto tool = [&]() -> TintaraWindow* {
        for (TintaraWindow* open : form->findChildren<TintaraWindow*>())
            if (open->isVisible())
                return open;
        return nullptr;
    };

    std::unique_ptr<SorterWindow> sorter;
    std::unique_ptr<CaptionStylePreview> preview;
    QString previewFont;
    struct SideWindowEdit {
        const char* window;
        // Makes the change in the side window.
        std::function<void()> make;
        const char* undoText;
        // The changed value as the main window shows it, and as a show
        // holds it.
        std::function<QString()> shown;
        std::function<QString(const SlideShowProject&)> stored;
    };
    const SideWindowEdit edits[] = {
        {"picture sorter",
         [&] {
             sorter = std::make_unique<SorterWindow>(form->document(), ui, form.get());
             sorter->show();
             ASSERT_TRUE(RunEventsUntil([&] { return !sorter->thumbnails().loading(); }));
             sorter->choosePicture(0);
             sorter->choosePicture(1);
             sorter->swapPictures();
         },
         "Undo Swap Pictures", [&] { return form->ui.txtCaption->text(); },
         [](const SlideShowProject& show) { return show.slide(1).Caption; }},
        {"colour tool, caption text colour",
         [&] {
             form->ui.cmdCapForeColor->click();
             ASSERT_NE(tool(), nullptr);
             for (int c = 0; c < 3; ++c) {
                 auto* channel = Control<QLineEdit>(*tool(), "txtColValue", c);
                 channel->clear();
                 QTest::keyClicks(channel, QString::number(c + 7));
             }
             Control<QPushButton>(*tool(), "cmdDecColVal")->click();
             Control<QPushButton>(*tool(), "cmdExit")->click();
         },
         "Undo Caption Colours", [&] { return StoredColorText(form->CaptionBoxForeColor()); },
         [](const SlideShowProject& show) {
             return StoredColorText(show.settings.CaptionForeColor);
         }},
        {"colour tool, sample font",
         [&] {
             form->ui.ShowCTform->click();
             ASSERT_NE(tool(), nullptr);
             ui.queueFont(FontChoice{QStringLiteral("Tintara Sample Font"), 14});
             Control<QPushButton>(*tool(), "cmdFont")->click();
         },
         "Undo Caption Font", [&] { return form->ui.txtCaption->font().family(); },
         [](const SlideShowProject& show) { return show.settings.FontInUse; }},
        {"caption style preview",
         [&] {
             preview =
                 std::make_unique<CaptionStylePreview>(form->document(), ui, nullptr, folder());
             auto* fonts = Control<QComboBox>(*preview, "cboFonts");
             ASSERT_GT(fonts->count(), 1);
             const int k = fonts->itemText(0) == project().settings.FontInUse ? 1 : 0;
             fonts->setCurrentIndex(k);
             preview->confirmFont();
         },
         "Undo Caption Font", [&] { return form->ui.txtCaption->font().family(); },
         [](const SlideShowProject& show) { return show.settings.FontInUse; }},
    };
    for (const SideWindowEdit& edit : edits) {
        SCOPED_TRACE(edit.window);
        const QString before = edit.shown();
        ASSERT_EQ(edit.stored(project()), before);
        const int steps = form->history().stack().index();
        edit.make();
        EXPECT_EQ(form->history().stack().index(), steps + 1);
        EXPECT_EQ(undo->text(), edit.undoText);
        EXPECT_EQ(form->windowTitle(), "Picture #1 - side.json*");
        const QString after = edit.stored(project());
        EXPECT_NE(after, before);
        EXPECT_EQ(edit.shown(), after);
        const auto recovered = Recovered(files());
        ASSERT_TRUE(recovered.has_value());
        EXPECT_EQ(edit.stored(recovered->show.project), after);

        undo->trigger();
        EXPECT_EQ(edit.stored(project()), before);
        EXPECT_EQ(edit.shown(), before);
        EXPECT_EQ(form->windowTitle(), "Picture #1 - side.json");
        if (tool())
            tool()->close();
        sorter.reset();
        preview.reset();
        RunEventsFor(50);
    }
}
