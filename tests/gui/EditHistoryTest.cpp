// The Edit menu's undo and redo, and files dropped onto the main window.
#include "editor/ui/undo/EditHistory.h"
#include "MainWindowFixture.h"
#include "RecordingMediaPlayer.h"
#include "core/PrintQt.h"
#include "editor/ui/OptionsWindow.h"
#include "editor/ui/PreviewNavigation.h"
#include "editor/ui/ShowFileCommands.h"
#include "editor/ui/SongControls.h"
#include "platform/ui/ColorSwatch.h"
#include "project/ShowLimits.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

namespace {
class EditHistoryTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        auto owned = std::make_unique<RecordingMediaPlayer>();
        player = owned.get();
        form->song().usePlayer(std::move(owned));
        undo = form->findChild<QAction*>(QStringLiteral("mnuUndo"));
        redo = form->findChild<QAction*>(QStringLiteral("mnuRedo"));
        ASSERT_NE(undo, nullptr);
        ASSERT_NE(redo, nullptr);
    }
    // The show as its file would hold it.
    QByteArray Saved() { return form->showFiles().document().Json(project()); }
    EditHistory& history() { return form->history(); }

    // The edit changes the show; undo gives back the show file exactly as it
    // was, redo the one the edit made; the menu names the edit.
    void ExpectUndoable(const QString& name, const std::function<void()>& edit) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray before = Saved();
        edit();
        const QByteArray after = Saved();
        ASSERT_NE(before, after);
        EXPECT_EQ(undo->text(), QStringLiteral("Undo ") + name);
        undo->trigger();
        EXPECT_EQ(Saved(), before);
        EXPECT_EQ(redo->text(), QStringLiteral("Redo ") + name);
        redo->trigger();
        EXPECT_EQ(Saved(), after);
    }

    QAction* undo = nullptr;
    QAction* redo = nullptr;
    RecordingMediaPlayer* player = nullptr;
};
} // namespace

TEST_F(EditHistoryTest, EveryKindOfEditIsUndoneAndRedoneExactly) {
    const QMenu* edit = form->findChild<QMenu*>(QStringLiteral("mnuEdit"));
    ASSERT_NE(edit, nullptr);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(undo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    EXPECT_EQ(redo->shortcuts(), (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Shift+Z")),
                                                      QKeySequence(QStringLiteral("Ctrl+Y"))}));

    const QStringList pictures = MakePictures(4);
    ExpectUndoable("Add Picture(s)", [&] { AddThroughDialog(pictures.mid(0, 3)); });
    EXPECT_EQ(project().SlideCount(), 3);
    ExpectUndoable("Change Picture", [&] {
        ui.queueFiles({pictures[3]});
        form->ui.cmdChangePic->click();
    });
    ExpectUndoable("Caption", [&] {
        form->ui.txtCaption->setText(QStringLiteral("At the lake"));
        form->ui.cmdAddCaption->click();
    });
    ExpectUndoable("Delete Picture", [&] {
        ui.queueMessageAnswer(MsgResult::Yes);
        form->ui.cmdDelete->click();
    });
    project().tool.ActiveColor = 0x123456;
    ExpectUndoable("Caption Colours", [&] { form->ui.picCapForeColor->click(); });
    ExpectUndoable("Background", [&] { form->ui.picBackColor->click(); });
    ExpectUndoable("Colours", [&] { form->ui.picButBakColor[2]->click(); });
    ExpectUndoable("Song", [&] {
        ui.queueFiles({dir.filePath("tune.mid")});
        form->ui.cmdSelectSong->click();
    });
    ExpectUndoable("Caption Font", [&] {
        ui.queueFont(FontChoice{QStringLiteral("Serif"), 20});
        form->ui.cmdFont->click();
    });
    // The song preview plays on through steps that leave the song alone.
    form->ui.Check1->click();
    player->clear();
    undo->trigger();
    redo->trigger();
    EXPECT_TRUE(player->calls().isEmpty());
    form->ui.Check1->click();
    // The scroll bar's notches are one step.
    ExpectUndoable("Delay", [&] {
        form->ui.VScrollSec->setValue(10);
        form->ui.VScrollSec->setValue(11);
        form->ui.VScrollSec->setValue(12);
    });
    EXPECT_EQ(form->ui.txtPicTimeSec->text(), "12");
    // One step for the options window, however much changed in it.
    ExpectUndoable("Options", [&] {
        QTimer::singleShot(0, [] {
            auto* w = qobject_cast<OptionsWindow*>(QApplication::activeModalWidget());
            ASSERT_NE(w, nullptr);
            Control<QScrollBar>(*w, "VScrollopt")->setValue(5);
            Control<QCheckBox>(*w, "ckFlashing")->click();
            Control<QPushButton>(*w, "cmdOk")->click();
        });
        form->ui.cmdShowOptForm->click();
    });
    EXPECT_EQ(project().settings.AmountOfSlidesFFRev, 5);
    // The show-wide values are shown again after an undo.
    undo->trigger();
    undo->trigger();
    EXPECT_EQ(form->ui.txtPicTimeSec->text(), "3");
    EXPECT_EQ(form->ui.VScrollSec->value(), 3);
}

TEST_F(EditHistoryTest, UndoShowsTheSlideItChangedAndKeepsTheCounters) {
    AddThroughDialog(MakePictures(4));
    form->navigation().ShowSlide(2);
    project().setCurrentSlide(2);
    form->ui.txtCaption->setText(QStringLiteral("second"));
    form->ui.cmdAddCaption->click();
    project().setCurrentSlide(4);
    form->navigation().ShowSlide(4);
    undo->trigger();
    EXPECT_EQ(project().CurrentSlide(), 2);
    EXPECT_EQ(form->ui.lblCount->text(), "2");
    EXPECT_EQ(form->ui.txtCaption->text(), "");
    EXPECT_EQ(form->windowTitle(), "Picture #2 - Untitled*");

    // Deleting slide 3 of 4 and undoing brings slide 3 back into view.
    project().setCurrentSlide(3);
    ui.queueMessageAnswer(MsgResult::Yes);
    form->ui.cmdDelete->click();
    EXPECT_EQ(form->ui.lblPicSelNum->text(), "3");
    undo->trigger();
    EXPECT_EQ(project().CurrentSlide(), 3);
    EXPECT_EQ(form->ui.lblPicSelNum->text(), "4");
    EXPECT_EQ(form->ui.lblPicsLeft->text(), "Number of Picture(s) left: 996");
    EXPECT_TRUE(form->ui.cmdFinish->isEnabled());

    // Undoing the add empties the show again.
    undo->trigger();
    undo->trigger();
    EXPECT_EQ(project().SlideCount(), 0);
    EXPECT_EQ(form->ui.lblCount->text(), "0");
    EXPECT_FALSE(form->ui.cmdChangePic->isEnabled());
    EXPECT_FALSE(form->ui.cmdFinish->isEnabled());
}

// Typing in the caption box is undone by the box itself, not by the Edit
// menu; what one visit to the box typed is one step of the show.
TEST_F(EditHistoryTest, CtrlZInATextBoxUndoesTheTyping) {
    AddThroughDialog(MakePictures(1));
    const int steps = history().stack().count();
    const QString stored = project().slide(1).Caption;
    QLineEdit* box = form->ui.txtCaption;
    const QString shown = box->text();
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("abc"));
    EXPECT_EQ(box->text(), "abc");
    EXPECT_EQ(history().stack().count(), steps + 1);
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box->text(), shown);
    EXPECT_EQ(project().SlideCount(), 1);
    EXPECT_EQ(project().slide(1).Caption, shown);
    EXPECT_EQ(history().stack().count(), steps + 1);

    // The menu's Undo stores what was typed, then takes it back.
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("xy"));
    undo->trigger();
    EXPECT_EQ(project().slide(1).Caption, stored);
    EXPECT_EQ(box->text(), stored);
    EXPECT_EQ(redo->text(), "Redo Caption");
    redo->trigger();
    EXPECT_EQ(project().slide(1).Caption, "xy");
}

TEST_F(EditHistoryTest, TheUnsavedMarkFollowsTheSavedShow) {
    AddThroughDialog(MakePictures(2));
    const QString path = dir.filePath("trip.json");
    ASSERT_TRUE(SaveAs(path));
    EXPECT_TRUE(history().stack().isClean());
    EXPECT_EQ(form->windowTitle(), "Picture #2 - trip.json");

    form->ui.txtCaption->setText(QStringLiteral("new"));
    form->ui.cmdAddCaption->click();
    EXPECT_EQ(form->windowTitle(), "Picture #2 - trip.json*");
    // Back to the show as saved: the mark goes at once, and comes back.
    undo->trigger();
    EXPECT_TRUE(history().stack().isClean());
    EXPECT_EQ(form->windowTitle(), "Picture #2 - trip.json");
    undo->trigger();
    EXPECT_EQ(form->windowTitle(), "Picture #0 - trip.json*");
    redo->trigger();
    EXPECT_EQ(form->windowTitle(), "Picture #2 - trip.json");

    // Opening a show or starting a new one leaves nothing to undo.
    ASSERT_TRUE(form->showFiles().OpenShowFile(path));
    EXPECT_EQ(history().stack().count(), 0);
    EXPECT_FALSE(undo->isEnabled());
    AddThroughDialog(MakePictures(1, "more"));
    EXPECT_TRUE(undo->isEnabled());
    ui.queueMessageAnswer(MsgResult::No);
    form->showFiles().NewShow();
    EXPECT_EQ(history().stack().count(), 0);
    EXPECT_FALSE(redo->isEnabled());
}

TEST_F(EditHistoryTest, KeepsTheLastTwoHundredSteps) {
    AddThroughDialog(MakePictures(1));
    QByteArray oldest;
    const int steps = EditHistory::kUndoSteps + 5;
    for (int i = 1; i <= steps; ++i) {
        form->ui.txtCaption->setText(QStringLiteral("caption %1").arg(i));
        form->ui.cmdAddCaption->click();
        if (i == steps - EditHistory::kUndoSteps)
            oldest = Saved();
    }
    EXPECT_EQ(history().stack().count(), EditHistory::kUndoSteps);
    int undone = 0;
    while (undo->isEnabled()) {
        undo->trigger();
        ++undone;
    }
    EXPECT_EQ(undone, EditHistory::kUndoSteps);
    EXPECT_EQ(project().slide(1).Caption, "caption 5");
    EXPECT_EQ(Saved(), oldest);
}

// Another window's change reaches the document while the main window is in
// the middle of an edit (a long add runs the event loop): each stays a step
// of its own, and the main window shows the other window's change once its
// edit has ended.
TEST_F(EditHistoryTest, ChangesFromOtherWindowsAreStepsOfTheirOwn) {
    AddThroughDialog(MakePictures(2));
    const QByteArray before = Saved();
    const auto handBackFont = [this] {
        form->document().Change(EditKind::CaptionFont, [](SlideShowProject& show) {
            show.settings.FontInUse = QStringLiteral("Handed Back Font");
        });
    };
    {
        const EditStep step(history(), EditKind::Caption);
        project().slide(1).Caption = QStringLiteral("kept");
        handBackFont();
        EXPECT_EQ(undo->text(), "Undo Caption Font");
        EXPECT_NE(form->ui.txtCaption->font().family(), "Handed Back Font");
    }
    EXPECT_EQ(undo->text(), "Undo Caption");
    EXPECT_EQ(form->ui.txtCaption->font().family(), "Handed Back Font");
    undo->trigger();
    EXPECT_EQ(project().slide(1).Caption, "");
    EXPECT_EQ(project().settings.FontInUse, "Handed Back Font");
    undo->trigger();
    EXPECT_EQ(Saved(), before);
    EXPECT_NE(form->ui.txtCaption->font().family(), "Handed Back Font");
}

// What a compile keeps with the show (names, title, output folder) is one
// step of its own, and only when it differs from what the show held.
TEST_F(EditHistoryTest, TheCompilesAnswersAreOneStepWhenTheyDiffer) {
    AddThroughDialog(MakePictures(kMinSlidesToCompile));
    ASSERT_TRUE(SaveAs(dir.filePath("kept.json")));
    QString folder = dir.filePath("out/");
    // The compile hands back what the show keeps; the window keeps it.
    form->seams.compile = [&] {
        ShowChange::KeptAnswers kept = ShowChange::KeptAnswers::Of(project());
        kept.FirstPageName = QStringLiteral("index");
        kept.OutputFolder = folder;
        kept.TitleMessage = QStringLiteral("Trip");
        return std::optional(kept);
    };
    form->ui.cmdFinish->click();
    EXPECT_EQ(undo->text(), "Undo Names and Folder");
    EXPECT_EQ(history().stack().count(), 2);
    EXPECT_TRUE(form->showFiles().IsModified());
    ASSERT_TRUE(form->showFiles().SaveShow());
    // The same answers again: nothing to take back, nothing unsaved.
    form->ui.cmdFinish->click();
    EXPECT_EQ(history().stack().count(), 2);
    EXPECT_FALSE(form->showFiles().IsModified());
    folder = dir.filePath("elsewhere/");
    form->ui.cmdFinish->click();
    EXPECT_EQ(history().stack().count(), 3);
    EXPECT_EQ(project().names.OutputFolder, folder);
    EXPECT_EQ(project().settings.TitleMessage, "Trip");
    undo->trigger();
    EXPECT_EQ(project().names.OutputFolder, dir.filePath("out/"));
    EXPECT_FALSE(form->showFiles().IsModified());
}

TEST_F(EditHistoryTest, DroppedPicturesAndFoldersAreAdded) {
    const QStringList three = MakePictures(3);
    MakePicture(dir.filePath("folder"), "b.jpg");
    MakePicture(dir.filePath("folder"), "A.bmp");
    MakeGif(dir.filePath("folder"), "c.gif");
    MakeBrokenPicture(dir.filePath("folder"), "notes.txt");
    DropAndHandle(three + QStringList{dir.filePath("folder")});
    ASSERT_EQ(project().SlideCount(), 6);
    EXPECT_EQ(project().slide(1).PicturePath, three[0]);
    EXPECT_EQ(project().slide(3).PicturePath, three[2]);
    // The folder's pictures in name order; its other files are passed over.
    EXPECT_TRUE(project().slide(4).PicturePath.endsWith("folder/A.bmp"));
    EXPECT_TRUE(project().slide(5).PicturePath.endsWith("folder/b.jpg"));
    EXPECT_TRUE(project().slide(6).PicturePath.endsWith("folder/c.gif"));
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(form->ui.lblPicSelNum->text(), "6");
    EXPECT_TRUE(form->ui.cmdFinish->isEnabled());
    // One drop, one step.
    EXPECT_EQ(undo->text(), "Undo Add Picture(s)");
    undo->trigger();
    EXPECT_EQ(project().SlideCount(), 0);

    // Dropped on the caption box, files are still the window's.
    DropAndHandle({three[0]}, form->ui.txtCaption);
    EXPECT_EQ(project().SlideCount(), 1);
    EXPECT_EQ(form->ui.txtCaption->text(), "");
}

// A song dropped on its own becomes the show's song, one step. Pictures and
// files of other kinds refused: WindowDropsTest.
TEST_F(EditHistoryTest, ADroppedSongIsTheShowsSong) {
    const QString song = MakeBrokenPicture(folder(), "tune.mp3");
    DropAndHandle({song});
    EXPECT_EQ(project().settings.SongPath, song);
    EXPECT_EQ(form->ui.lblSongSeleted->text(), ": tune.mp3");
    EXPECT_EQ(undo->text(), "Undo Song");
}

TEST_F(EditHistoryTest, ADroppedShowAsksToSaveTheChangesFirst) {
    AddThroughDialog(MakePictures(2));
    const QString path = dir.filePath("trip.json");
    ASSERT_TRUE(SaveAs(path));
    form->showFiles().NewShow(); // saved: nothing to ask
    AddThroughDialog(MakePictures(1, "other"));
    ui.clear();

    // Cancel keeps the unsaved show.
    ui.queueMessageAnswer(MsgResult::Cancel);
    DropAndHandle({path});
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, "Save changes to Untitled?");
    EXPECT_EQ(project().SlideCount(), 1);

    ui.queueMessageAnswer(MsgResult::No);
    DropAndHandle({path});
    EXPECT_EQ(project().SlideCount(), 2);
    EXPECT_EQ(form->windowTitle(), "Picture #1 - trip.json");
    EXPECT_FALSE(undo->isEnabled());
}

// The tool's own preferences (the active colour, the colour chooser, the
// song preview, the tooltips) are no part of the show: changing them makes
// no step and no unsaved mark.
TEST_F(EditHistoryTest, ToolPreferencesAreNoStepOfTheShow) {
    AddThroughDialog(MakePictures(2));
    ASSERT_TRUE(SaveAs(dir.filePath("kept.json")));
    const int steps = history().stack().count();
    const ToolPreferences before = project().tool;
    form->ui.PicMFormColors[3]->click();
    form->ui.optFullOrCondTintara[1]->click();
    form->ui.Check1->click();
    form->ui.ckToolTips->click();
    form->CommitPendingEdit();
    EXPECT_NE(project().tool, before);
    EXPECT_EQ(history().stack().count(), steps);
    EXPECT_TRUE(history().stack().isClean());
    EXPECT_EQ(form->windowTitle(), "Picture #2 - kept.json");
}
