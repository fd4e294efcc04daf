#include "editor/ui/PreviewNavigation.h"
#include "MainWindowFixture.h"
#include "editor/ui/AutoRunDelay.h"
#include "editor/ui/PictureView.h"
#include "platform/ui/ColorSwatch.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace {
const QString kSimulator = "Microsoft Explorer (Simulator)";
const QString kEnd = "You are at the End of the Slide Show! Press: 'Back'";
const QString kBeginning = "You are at the Beginning! Press: 'Forward'";
} // namespace

class PreviewNavigationTest : public MainWindowTest {
protected:
    PreviewNavigation& nav() { return form->navigation(); }
    void Press(int button) { nav().pressNavigationButton(button); }
    QString AutoRunCaption() { return form->ui.cmdFB[PreviewNavigation::AutoRun]->text(); }
    void ExpectLastMessage(const QString& text, const QString& title) {
        ASSERT_FALSE(ui.messages().empty());
        EXPECT_EQ(ui.messages().back().text, text);
        EXPECT_EQ(ui.messages().back().title, title);
    }
};

// Without slides every button asks for pictures; a tick of an auto run whose
// last slide was deleted stops it and says so.
TEST_F(PreviewNavigationTest, WithoutSlidesTheButtonsAndTheTimerSaySo) {
    for (int button = 0; button < 5; ++button)
        Press(button);
    ASSERT_EQ(ui.messages().size(), 5u);
    for (const auto& m : ui.messages()) {
        EXPECT_EQ(m.title, "You need to add some pictures in order to move forward or backward.");
        EXPECT_EQ(m.text, "                                  Please Add a Picture.");
        EXPECT_EQ(m.icon, MsgIcon::Critical);
    }
    EXPECT_FALSE(form->ui.Timer1->isActive());

    AddThroughDialog(MakePictures(1));
    Press(PreviewNavigation::AutoRun);
    ui.queueMessageAnswer(MsgResult::Yes);
    form->editing().deleteSlide();
    nav().autoRunTick();
    EXPECT_EQ(ui.messages().back().title, "No Pictures, you poor thing!");
    EXPECT_EQ(ui.messages().back().text, "You need to add some pictures for me to show");
    EXPECT_EQ(ui.messages().back().icon, MsgIcon::Exclamation);
    EXPECT_FALSE(form->ui.Timer1->isActive());
    EXPECT_EQ(project().CurrentSlide(), 1);
}

// Where each step lands is the core's rule; here the buttons reach it and the
// window shows the slide in full or the simulator's message.
TEST_F(PreviewNavigationTest, ButtonsStepAndSayWhenAtTheEnds) {
    const QStringList paths = MakePictures(10);
    AddThroughDialog(paths);
    Slide& seventh = project().slide(7);
    seventh.Caption = "Harbour";
    seventh.PicBackColor = "&H0500FF";
    seventh.CapBackColor = "&H00FF00";
    seventh.CapForeColor = "&H800000";
    seventh.BkPicture = MakePicture(folder(), "bk.jpg", Qt::cyan);
    project().settings.AmountOfSlidesFFRev = 3;
    project().setCurrentSlide(5);
    ui.clear();

    form->ui.cmdFB[PreviewNavigation::FastForward]->click();
    form->ui.cmdFB[PreviewNavigation::Back]->click();
    EXPECT_EQ(form->ui.Image1->path(), paths[6]);
    EXPECT_EQ(form->ui.lblCount->text(), "7");
    EXPECT_EQ(form->ui.txtCaption->text(), "Harbour");
    EXPECT_EQ(form->ui.lblNewBkGnd->color(), RgbColor(255, 0, 5));
    EXPECT_EQ(form->CaptionBoxBackColor(), RgbColor(0, 255, 0));
    EXPECT_EQ(form->CaptionBoxForeColor(), RgbColor(0, 0, 128));
    EXPECT_EQ(form->ui.ImageBk->path(), seventh.BkPicture);
    EXPECT_TRUE(ui.messages().empty());

    project().setCurrentSlide(10);
    Press(PreviewNavigation::Forward);
    ExpectLastMessage(kEnd, kSimulator);
    EXPECT_EQ(ui.messages().back().icon, MsgIcon::Information);
    project().setCurrentSlide(1);
    Press(PreviewNavigation::Rewind);
    ExpectLastMessage(kBeginning, kSimulator);
    EXPECT_EQ(ui.messages().size(), 2u);
}

TEST_F(PreviewNavigationTest, PictureIsDecodedAtPreviewSize) {
    const QString big = MakePicture(dir.filePath("big"), "big.jpg", Qt::darkGreen, {4000, 3000});
    AddThroughDialog({MakePicture(folder(), "small.jpg"), big});
    const QSize box = form->ui.Image1->decodeBox();
    const QImage& shown = form->ui.Image1->image();
    EXPECT_LE(shown.width(), box.width());
    EXPECT_LE(shown.height(), box.height());
    EXPECT_TRUE(shown.width() == box.width() || shown.height() == box.height());
    EXPECT_NEAR(double(shown.width()) / shown.height(), 4.0 / 3.0, 0.02);

    // A small picture keeps its own size.
    Press(PreviewNavigation::Back);
    EXPECT_EQ(form->ui.Image1->image().size(), QSize(64, 48));
}

// Auto run shows the slides in turn on its timer; a picture that cannot be
// read is skipped without a word. Stopping it (Forward, a click into the
// caption box or on another control, a colour swatch among them, or Auto Run
// again) leaves CurrentSlide on the slide the next tick would show, and the
// window shows that slide in full, so a caption edited after stopping goes
// into the slide whose caption the box shows.
TEST_F(PreviewNavigationTest, AutoRunShowsTheSlidesInTurnAndStopsOnTheNextOne) {
    const QStringList paths = MakePictures(4);
    AddThroughDialog(paths);
    for (int k = 1; k <= 4; ++k)
        project().slide(k).Caption = QStringLiteral("caption %1").arg(k);
    project().settings.NumSecDelay = 5;
    QFile::remove(paths[0]);
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(RunEventsUntil([&] { return form->isActiveWindow(); }));
    QPushButton* autoRun = form->ui.cmdFB[PreviewNavigation::AutoRun];
    const auto start = [&] { // slide 1 on screen, slide 2 next
        autoRun->setFocus(Qt::MouseFocusReason);
        autoRun->click();
        nav().autoRunTick();
    };
    start();
    EXPECT_EQ(form->ui.Timer1->interval(), 5000);
    EXPECT_FALSE(form->ui.txtPicTimeSec->isEnabled());
    EXPECT_EQ(form->windowTitle(), "Picture #1 - Untitled*");
    EXPECT_EQ(form->ui.Image1->path(), "");
    nav().autoRunTick();
    EXPECT_EQ(AutoRunCaption(), "Stop #2");
    EXPECT_EQ(form->ui.Image1->path(), paths[1]);
    EXPECT_TRUE(ui.messages().empty());

    // Forward stops it and steps on from the slide the next tick would show.
    Press(PreviewNavigation::Forward);
    EXPECT_FALSE(form->ui.Timer1->isActive());
    EXPECT_EQ(AutoRunCaption(), "Auto Run");
    EXPECT_TRUE(form->ui.txtPicTimeSec->isEnabled());
    EXPECT_EQ(form->ui.Image1->path(), paths[3]);

    // The user clicks into the caption box to mend a caption.
    start();
    form->ui.txtCaption->setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(form->ui.Timer1->isActive());
    EXPECT_EQ(project().CurrentSlide(), 2);
    EXPECT_EQ(form->ui.Image1->path(), paths[1]);
    EXPECT_EQ(form->ui.txtCaption->text(), "caption 2");
    form->ui.txtCaption->setText("mended");
    form->ui.cmdFB[PreviewNavigation::Forward]->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(project().slide(1).Caption, "caption 1");
    EXPECT_EQ(project().slide(2).Caption, "mended");

    start();
    nav().autoRunTick(); // 2 on screen, 3 next
    autoRun->click();
    EXPECT_EQ(form->windowTitle(), "Picture #3 - Untitled*");
    EXPECT_EQ(form->ui.txtCaption->text(), "caption 3");

    for (QWidget* other : {static_cast<QWidget*>(form->ui.cmdAddCaption),
                           static_cast<QWidget*>(form->ui.PicMFormColors[3]),
                           static_cast<QWidget*>(form->ui.picBackPicture)}) {
        start();
        ASSERT_TRUE(form->ui.Timer1->isActive());
        QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(4, 4));
        EXPECT_FALSE(form->ui.Timer1->isActive()) << other->objectName().toStdString();
    }
}

// Below the range or empty, the delay box is held to its least when left;
// past it: Accessibility.TabLeavesTheDelayBoxWithItsValueHeldInRange.
TEST_F(PreviewNavigationTest, DelayBoxIsClampedWhenLeft) {
    QLineEdit& box = *form->ui.txtPicTimeSec;
    for (const QString typed : {"1", ""}) {
        box.setText(typed);
        form->delay().takeTypedDelay();
        EXPECT_EQ(box.text(), "3") << typed.toStdString();
        EXPECT_EQ(form->ui.VScrollSec->value(), 3) << typed.toStdString();
        EXPECT_EQ(project().settings.NumSecDelay, 3) << typed.toStdString();
    }
}
