#include "editor/ui/SlideEditing.h"
#include "MainWindowFixture.h"
#include "compiler/ui/NamePrompt.h"
#include "core/TestFiles.h"
#include "editor/ui/CompileWiring.h"
#include "editor/ui/PictureView.h"
#include "platform/ProgramFolder.h"
#include "platform/ui/ColorSwatch.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using SlideEditingTest = MainWindowTest;

namespace {
// The first filter lists every format the tool takes, pictures and video
// clips; then the clips, then the pictures, whose newer formats get filters
// of their own after the first four.
const QStringList kFilters{"Pictures and Videos (jpg gif bmp png webp tif heic avif mp4 mov m4v "
                           "webm) (*.bmp *.gif *.jpeg *.jpg *.png *.webp *.tif *.tiff *.heic "
                           "*.heif *.avif *.mp4 *.mov *.m4v *.webm)",
                           "Videos (mp4 mov m4v webm) (*.mp4 *.mov *.m4v *.webm)",
                           "Picture Files (jpg gif bmp png webp tif heic avif) (*.bmp *.gif "
                           "*.jpeg *.jpg *.png *.webp *.tif *.tiff *.heic *.heif *.avif)",
                           "JPEG JPG (*.jpeg *.jpg)",
                           "GIF (*.gif)",
                           "BITMAP (*.bmp)",
                           "PNG (*.png)",
                           "WEBP (*.webp)",
                           "TIFF TIF (*.tif *.tiff)",
                           "HEIC HEIF (*.heic *.heif)",
                           "AVIF (*.avif)"};
const QString kSingleFileError = "There was a problem with this file, please try again.";
} // namespace

TEST_F(SlideEditingTest, SeveralFilesAreAddedInTheDialogsOrder) {
    const QString pics = dir.filePath("holiday");
    const QString b = MakePicture(pics, "b.gif", Qt::green);
    const QString a = MakePicture(pics, "a.jpg", Qt::blue);
    const QString c = MakePicture(pics, "c.bmp", Qt::yellow);
    AddThroughDialog({b, a, c});

    ASSERT_EQ(ui.questions().size(), 1u);
    const FileDialogRequest& asked = ui.questions()[0].fileDialog;
    EXPECT_EQ(asked.title, "Select your Picture(s) File(s). ");
    EXPECT_EQ(asked.filters, kFilters);
    EXPECT_TRUE(asked.multiSelect);
    EXPECT_EQ(asked.directory, ProgramFolder() + "/");

    ASSERT_EQ(project().SlideCount(), 3);
    EXPECT_EQ(project().slide(1).PicturePath, b);
    EXPECT_EQ(project().slide(3).PicturePath, c);
    EXPECT_EQ(form->windowTitle(), "Picture #3 - Untitled*");
    EXPECT_EQ(form->ui.lblPicSelNum->text(), "3");
    EXPECT_EQ(form->ui.lblPicsLeft->text(), "Number of Picture(s) left: 997");
    EXPECT_EQ(form->ui.Image1->path(), c);
    // From three slides on the menu reaches the compile too.
    int compiles = 0;
    form->seams.compile = [&] {
        ++compiles;
        return std::optional<ShowChange::KeptAnswers>();
    };
    form->ui.mnuFinish->trigger();
    EXPECT_EQ(compiles, 1);

    // The next dialog opens in the folder last used.
    ui.queueFiles({});
    form->editing().addPictures();
    EXPECT_EQ(ui.questions().back().fileDialog.directory, pics + "/");
}
// A single file is judged by its content, not by its name or the folder it
// is in.
TEST_F(SlideEditingTest, SingleFileIsJudgedByItsContent) {
    const QString path = MakePicture(dir.filePath("trip.gif"), "beach.jpeg");
    AddThroughDialog({path});
    ASSERT_EQ(project().SlideCount(), 1);
    EXPECT_TRUE(ui.messages().empty());

    // A real JPEG, but the name typed into the dialog has no extension.
    const QString typed = MakePicture(dir.filePath("typed"), "holiday", Qt::red, {64, 48}, "JPG");
    AddThroughDialog({typed});
    ASSERT_EQ(project().SlideCount(), 2);
    EXPECT_EQ(project().slide(2).PicturePath, typed);
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(project().tool.DirectoryLastOpenned, dir.filePath("typed") + "/");
}

TEST_F(SlideEditingTest, BombsAndBrokenFilesAreReportedAndSkipped) {
    const QString pics = dir.filePath("mixed");
    const QString good1 = MakePicture(pics, "good1.jpg");
    const QString bomb = MakeJpegBomb(pics, "bomb.jpg", 30000, 30000);
    const QString broken = MakeBrokenPicture(pics, "broken.gif");
    const QString huge = MakeJpegBomb(pics, "huge.jpg", 65000, 65000);
    const QString cut = MakePicture(pics, "cut.jpg");
    QFile::resize(cut, 120); // the header breaks off before the picture
    const QString good2 = MakePicture(pics, "good2.bmp");
    // A FIFO named like a picture is refused at once, not waited on.
    const QString fifo = pics + "/fifo.jpg";
    ASSERT_TRUE(MakeFifo(fifo));
    AddThroughDialog({good1, bomb, broken, huge, cut, fifo, good2});

    ASSERT_EQ(project().SlideCount(), 2);
    EXPECT_EQ(project().slide(1).PicturePath, good1);
    EXPECT_EQ(project().slide(2).PicturePath, good2);
    const auto messages = ui.messages();
    ASSERT_EQ(messages.size(), 5u);
    const QStringList skipped{bomb, broken, huge, cut, fifo};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(messages[i].title, "File Error");
        EXPECT_EQ(messages[i].icon, MsgIcon::Critical);
        EXPECT_EQ(messages[i].text, "There was a problem with picture file " + skipped[i] +
                                        " this file will not be used.");
    }

    // Alone, it gets the single-file message and changes nothing.
    ui.clear();
    AddThroughDialog({bomb});
    EXPECT_EQ(project().SlideCount(), 2);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, kSingleFileError);
}

TEST_F(SlideEditingTest, SelectionStopsAtTheThousandthSlide) {
    const QString filler = MakePicture(dir.filePath("fill"), "f.jpg");
    for (int i = 0; i < 995; ++i)
        project().AppendPicture(filler);
    const QStringList more = MakePictures(8);
    AddThroughDialog(more);
    EXPECT_EQ(project().SlideCount(), 1000);
    EXPECT_EQ(project().slide(1000).PicturePath, more[4]);
    EXPECT_TRUE(ui.messages().empty());
    // Far past its limit, the sorter is no longer offered.
    EXPECT_FALSE(form->ui.cmdAllImages->isVisibleTo(form.get()));
    EXPECT_FALSE(form->ui.mnuSortPictures->isEnabled());

    // Add at the ceiling: the growth step and the add command each say so,
    // and no dialog opens.
    ui.clear();
    form->editing().addPictures();
    ASSERT_EQ(ui.questions().size(), 2u);
    for (const auto& m : ui.messages()) {
        EXPECT_EQ(m.title, "File is full!");
        EXPECT_EQ(m.text, "End of the line. You have alot of Pictures\r\n"
                          "Compile this and you'll have to make another file.\r\n\r\n"
                          "Press the 'Make HTML File' Button to finish!");
    }
}
// Delete shows the slide before: picture, caption, background colour and the
// caption box's colours.
TEST_F(SlideEditingTest, DeleteAsksThenShowsTheSlideBefore) {
    const QStringList paths = MakePictures(3);
    AddThroughDialog(paths);
    Slide& first = project().slide(1);
    first.Caption = "caption 1";
    first.PicBackColor = "&H0500FF";
    first.CapBackColor = "&H000010";
    first.CapForeColor = "&H000100";
    project().setCurrentSlide(2);
    form->SetCaptionBoxColors(0x000020, 0x000200);
    ui.clear();
    ui.queueMessageAnswer(MsgResult::Yes);
    form->ui.cmdDelete->click();

    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, "Delete the picture viewing. Are you sure?");
    EXPECT_EQ(ui.messages()[0].title, "Delete Picture?");
    EXPECT_EQ(ui.messages()[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(ui.messages()[0].icon, MsgIcon::Question);
    EXPECT_EQ(project().slide(2).PicturePath, paths[2]);
    EXPECT_EQ(form->windowTitle(), "Picture #1 - Untitled*");
    EXPECT_EQ(form->ui.txtCaption->text(), "caption 1");
    EXPECT_EQ(form->ui.Image1->path(), paths[0]);
    EXPECT_EQ(form->ui.lblNewBkGnd->color(), RgbColor(255, 0, 5));
    // The caption box shows slide 1's colours, and leaving it keeps them.
    EXPECT_EQ(form->CaptionBoxBackColor(), 0x000010u);
    EXPECT_EQ(form->CaptionBoxForeColor(), 0x000100u);
    form->editing().captionLeft();
    EXPECT_EQ(project().slide(1).CapBackColor, "&H000010");

    // Deleting the last slides empties the window; then there is nothing to
    // delete.
    ui.queueMessageAnswer(MsgResult::Yes);
    ui.queueMessageAnswer(MsgResult::Yes);
    form->editing().deleteSlide();
    form->editing().deleteSlide();
    EXPECT_EQ(project().SlideCount(), 0);
    EXPECT_EQ(form->windowTitle(), "Picture #0 - Untitled*");
    EXPECT_FALSE(form->ui.Image1->isVisible());
    ui.clear();
    form->editing().deleteSlide();
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, "You have no Pictures to delete!");
    EXPECT_EQ(ui.messages()[0].title, "Add some Pictures!");
    EXPECT_EQ(ui.messages()[0].icon, MsgIcon::Critical);
}

// The first block is made before the settings are taken: no background
// picture until a picture is added.
TEST_F(SlideEditingTest, FirstBlockStartsWithoutBackgroundPicture) {
    for (int i = 0; i <= project().SlideCapacity(); ++i)
        EXPECT_EQ(project().slot(i).BkPicture, "") << i;
    AddThroughDialog(MakePictures(1));
    EXPECT_EQ(project().slot(1).BkPicture, project().settings.NewBkPicture);
}
// Change Picture keeps the slide's caption and colours; a cancelled or failed
// replacement leaves nothing pending, so the next Add adds.
TEST_F(SlideEditingTest, ReplacingKeepsCaptionAndColoursAndEndsWhenItFails) {
    const QStringList paths = MakePictures(2);
    AddThroughDialog(paths);
    Slide& first = project().slide(1);
    first.Caption = "Beach at dawn";
    first.CapBackColor = "&H123456";
    first.CapForeColor = "&H654321";
    project().setCurrentSlide(1);
    const QString replacement = MakePicture(dir.filePath("new"), "sunrise.jpg", Qt::darkRed);

    ui.clear();
    ui.queueFiles({replacement});
    form->ui.cmdChangePic->click();

    ASSERT_EQ(ui.questions().size(), 1u);
    EXPECT_EQ(ui.questions()[0].fileDialog.title, "Select a Picture File");
    EXPECT_FALSE(ui.questions()[0].fileDialog.multiSelect);
    EXPECT_EQ(first.PicturePath, replacement);
    EXPECT_EQ(form->ui.Image1->path(), replacement);

    // Leaving the caption box afterwards keeps the caption and its colours.
    form->editing().captionLeft();
    EXPECT_EQ(first.Caption, "Beach at dawn");
    EXPECT_EQ(first.CapBackColor, "&H123456");
    EXPECT_EQ(first.CapForeColor, "&H654321");
    form->ui.txtCaption->setText("Sunrise");
    form->ui.cmdAddCaption->click();
    EXPECT_EQ(first.Caption, "Sunrise");

    // Cancelled, then failed on a broken file: each time the next Add adds.
    const QString more = MakePicture(folder(), "more.jpg");
    const QString bad = MakeBrokenPicture(folder(), "bad.jpg");
    for (const QStringList& answer : {QStringList(), QStringList{bad}}) {
        ui.queueFiles(answer);
        form->ui.cmdChangePic->click();
        ui.queueFiles({more});
        form->editing().addPictures();
    }
    EXPECT_EQ(project().SlideCount(), 4);
    EXPECT_EQ(first.PicturePath, replacement);
    EXPECT_EQ(project().slide(3).PicturePath, more);
}

// The wallpaper button's pick goes to every slot (one per slide: the core's
// Colors tests); a picture that fails its check is not stored and leaves no
// background pick pending for the next Change Picture.
TEST_F(SlideEditingTest, WallpaperPickForEverySlideAndAFailedPick) {
    AddThroughDialog(MakePictures(3));
    project().setCurrentSlide(2);
    const QString wall = MakePicture(dir.filePath("walls"), "bricks.gif");
    ui.queueFiles({wall});
    form->ui.cmdPicBakColorOrPic[1]->click();
    EXPECT_TRUE(form->ui.optBakPicColorOrPic[1]->isChecked());
    for (int i = 0; i <= project().SlideCapacity(); ++i)
        EXPECT_EQ(project().slot(i).BkPicture, wall) << i;
    EXPECT_EQ(form->ui.ImageBk->path(), wall);

    ui.queueFiles({MakeBrokenPicture(folder(), "broken.jpg")});
    form->ui.cmdPicBakColorOrPic[1]->click();
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(project().settings.NewBkPicture, wall);
    EXPECT_EQ(project().slide(2).BkPicture, wall);
    EXPECT_EQ(form->ui.picBackPicture->path(), wall);
    EXPECT_FALSE(project().flags.PickingBkPicture);
    const QString picture = MakePicture(dir.filePath("new"), "dune.jpg");
    ui.queueFiles({picture});
    form->ui.cmdChangePic->click();
    EXPECT_EQ(project().slide(2).PicturePath, picture);
    EXPECT_EQ(project().slide(2).BkPicture, wall);
}

// The Make HTML File button runs the compile: the song preview stops and the
// captions stay as typed (quotes change only in the classic pages).
TEST_F(SlideEditingTest, FinishButtonRunsTheCompile) {
    ConnectCompileCommand(*form);
    for (int k = 1; k <= 3; ++k) {
        project().AppendPicture(QStringLiteral("/pictures/p%1.jpg").arg(k));
        project().slide(k).Caption = QStringLiteral("the \"%1\" one").arg(k);
    }
    project().setCurrentSlide(2);
    form->ShowCurrentSlide();
    form->ui.Check1->setChecked(true);

    ui.queueMessageAnswer(MsgResult::Yes); // compile now
    ui.queueMessageAnswer(MsgResult::Yes); // yes, cancel the show
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<NamePrompt*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        Control<QPushButton>(*w, "cmdCancel")->click();
    });
    form->ui.cmdFinish->click();
    EXPECT_FALSE(form->ui.Check1->isChecked());
    EXPECT_EQ(form->ui.txtCaption->text(), "the \"2\" one");
    EXPECT_FALSE(project().flags.CompileCancelled);
    EXPECT_EQ(ui.messages().size(), 2u);
}
