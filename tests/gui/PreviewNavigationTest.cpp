#include "editor/ui/PreviewNavigation.h"
#include "Form1Fixture.h"
#include "editor/ui/AutoRunDelay.h"
#include "editor/ui/ClickLabel.h"
#include "editor/ui/ColorSwatch.h"
#include "editor/ui/PictureView.h"

#include <QApplication>
#include <QKeyEvent>
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

class PreviewNavigationTest : public Form1Test {
protected:
    PreviewNavigation& nav() { return form->navigation(); }
    void Press(int button) { nav().cmdFB_Click(button); }
    QString AutoRunCaption() { return form->ui.cmdFB[PreviewNavigation::AutoRun]->text(); }
    void ExpectLastMessage(const QString& text, const QString& title) {
        ASSERT_FALSE(ui.messages().empty());
        EXPECT_EQ(ui.messages().back().text, text);
        EXPECT_EQ(ui.messages().back().title, title);
    }
};

TEST_F(PreviewNavigationTest, SteppingWithoutSlidesAsksForPictures) {
    for (int button = 0; button < 5; ++button)
        Press(button);
    ASSERT_EQ(ui.messages().size(), 5u);
    for (const auto& m : ui.messages()) {
        EXPECT_EQ(m.title, "You need to add some pictures in order to move forward or backward.");
        EXPECT_EQ(m.text, "                                  Please Add a Picture.");
        EXPECT_EQ(m.icon, MsgIcon::Critical);
    }
    EXPECT_FALSE(form->ui.Timer1->isActive());
}

// Where each step lands is the core's rule; here the buttons reach it and the
// window shows the slide or the simulator's message.
TEST_F(PreviewNavigationTest, ButtonsStepAndSayWhenAtTheEnds) {
    const QStringList paths = MakePictures(10);
    AddThroughDialog(paths);
    project().settings.AmountOfSlidesFFRev = 3;
    project().setCurrentSlide(5);
    ui.clear();

    form->ui.cmdFB[PreviewNavigation::FastForward]->click();
    EXPECT_EQ(project().CurrentSlide(), 8);
    EXPECT_EQ(form->windowTitle(), "Picture #8");
    EXPECT_EQ(form->ui.Image1->path(), paths[7]);
    form->ui.cmdFB[PreviewNavigation::Rewind]->click();
    form->ui.cmdFB[PreviewNavigation::Back]->click();
    EXPECT_EQ(project().CurrentSlide(), 4);
    EXPECT_EQ(form->ui.lblCount->text(), "4");
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
TEST_F(PreviewNavigationTest, SteppingShowsTheSlidesLook) {
    const QStringList paths = MakePictures(2);
    AddThroughDialog(paths);
    Slide& second = project().slide(2);
    second.Caption = "Harbour";
    second.PicBackColor = "&H0500FF";
    second.CapBackColor = "&H00FF00";
    second.CapForeColor = "&H800000";
    second.BkPicture = MakePicture(folder(), "bk.jpg", Qt::cyan);
    project().setCurrentSlide(1);
    Press(PreviewNavigation::Forward);

    EXPECT_EQ(form->ui.txtCaption->text(), "Harbour");
    EXPECT_EQ(form->ui.lblNewBkGnd->color(), RgbColor(255, 0, 5));
    EXPECT_EQ(form->CaptionBoxBackColor(), RgbColor(0, 255, 0));
    EXPECT_EQ(form->CaptionBoxForeColor(), RgbColor(0, 0, 128));
    EXPECT_EQ(form->ui.ImageBk->path(), second.BkPicture);
    EXPECT_TRUE(form->ui.cmdChangePic->isEnabled());
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

TEST_F(PreviewNavigationTest, AutoRunShowsTheSlidesInTurnOnItsTimer) {
    const QStringList paths = MakePictures(4);
    AddThroughDialog(paths);
    project().settings.NumSecDelay = 5;
    // A picture that cannot be read is skipped without a word.
    QFile::remove(paths[0]);
    Press(PreviewNavigation::AutoRun);
    EXPECT_TRUE(nav().AutoRunning());
    EXPECT_EQ(AutoRunCaption(), "Stop #1");
    EXPECT_EQ(form->ui.Timer1->interval(), 5000);

    for (int shown : {1, 2}) {
        nav().Timer1_Timer();
        EXPECT_EQ(AutoRunCaption(), "Stop #" + QString::number(shown));
        EXPECT_EQ(form->windowTitle(), "Picture #" + QString::number(shown));
        EXPECT_EQ(form->ui.Image1->path(), shown == 1 ? "" : paths[1]);
        EXPECT_FALSE(form->ui.txtPicTimeSec->isEnabled());
    }
    EXPECT_TRUE(ui.messages().empty());

    // Forward stops it and steps on from the slide the next tick would show.
    Press(PreviewNavigation::Forward);
    EXPECT_FALSE(nav().AutoRunning());
    EXPECT_FALSE(form->ui.Timer1->isActive());
    EXPECT_EQ(AutoRunCaption(), "Auto Run");
    EXPECT_TRUE(form->ui.txtPicTimeSec->isEnabled());
    EXPECT_EQ(project().CurrentSlide(), 4);
    EXPECT_EQ(form->ui.Image1->path(), paths[3]);
}

// Stopping leaves CurrentSlide on the slide the next tick would show; the
// window shows that slide in full, so a caption edited after stopping goes
// into the slide whose caption the box shows. Clicking another control, a
// colour swatch among them, or Auto Run again stops it.
TEST_F(PreviewNavigationTest, StoppingShowsTheSlideTheCommandsActOn) {
    const QStringList paths = MakePictures(3);
    AddThroughDialog(paths);
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(RunEventsUntil([&] { return form->isActiveWindow(); }));
    QPushButton* autoRun = form->ui.cmdFB[PreviewNavigation::AutoRun];
    autoRun->setFocus(Qt::MouseFocusReason);
    for (int k = 1; k <= 3; ++k)
        project().slide(k).Caption = QStringLiteral("caption %1").arg(k);
    autoRun->click();
    nav().Timer1_Timer(); // slide 1 on screen, slide 2 next
    ASSERT_EQ(form->ui.txtCaption->text(), "caption 1");

    // The user clicks into the caption box to mend a caption.
    form->ui.txtCaption->setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(form->ui.Timer1->isActive());
    EXPECT_EQ(project().CurrentSlide(), 2);
    EXPECT_EQ(form->windowTitle(), "Picture #2");
    EXPECT_EQ(form->ui.lblCount->text(), "2");
    EXPECT_EQ(form->ui.Image1->path(), paths[1]);
    EXPECT_EQ(form->ui.txtCaption->text(), "caption 2");
    form->ui.txtCaption->setText("mended");
    form->ui.cmdFB[PreviewNavigation::Forward]->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(project().slide(1).Caption, "caption 1");
    EXPECT_EQ(project().slide(2).Caption, "mended");

    autoRun->setFocus(Qt::MouseFocusReason);
    autoRun->click();
    nav().Timer1_Timer(); // 1 on screen, 2 next
    nav().Timer1_Timer(); // 2 on screen, 3 next
    autoRun->click();
    EXPECT_EQ(form->windowTitle(), "Picture #3");
    EXPECT_EQ(form->ui.txtCaption->text(), "caption 3");

    for (QWidget* other : {static_cast<QWidget*>(form->ui.cmdAddCaption),
                           static_cast<QWidget*>(form->ui.PicMFormColors[3]),
                           static_cast<QWidget*>(form->ui.picBackPicture)}) {
        autoRun->setFocus(Qt::MouseFocusReason);
        autoRun->click();
        nav().Timer1_Timer();
        ASSERT_TRUE(form->ui.Timer1->isActive());
        QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(4, 4));
        EXPECT_FALSE(form->ui.Timer1->isActive()) << other->objectName().toStdString();
        EXPECT_EQ(AutoRunCaption(), "Auto Run");
        EXPECT_TRUE(form->ui.VScrollSec->isEnabled());
    }
}

TEST_F(PreviewNavigationTest, TickWithoutSlidesStopsAndSaysSo) {
    AddThroughDialog(MakePictures(1));
    Press(PreviewNavigation::AutoRun);
    ui.queueMessageAnswer(MsgResult::Yes);
    form->editing().cmdDelete_Click();
    ui.clear();
    nav().Timer1_Timer();
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].title, "No Pictures, you poor thing!");
    EXPECT_EQ(ui.messages()[0].text, "You need to add some pictures for me to show");
    EXPECT_EQ(ui.messages()[0].icon, MsgIcon::Exclamation);
    EXPECT_FALSE(form->ui.Timer1->isActive());
    EXPECT_EQ(project().CurrentSlide(), 1);
}

TEST_F(PreviewNavigationTest, DelayBoxIsClampedWhenLeft) {
    AutoRunDelay& delay = form->delay();
    QLineEdit& box = *form->ui.txtPicTimeSec;
    QScrollBar& bar = *form->ui.VScrollSec;
    const std::vector<std::pair<QString, int>> cases{
        {"75", 59}, {"1", 3}, {"", 3}, {"12", 12}, {"99999999999", 59}};
    for (const auto& [typed, expected] : cases) {
        box.setText(typed);
        delay.txtPicTimeSec_LostFocus();
        EXPECT_EQ(box.text(), QString::number(expected)) << typed.toStdString();
        EXPECT_EQ(bar.value(), expected) << typed.toStdString();
        EXPECT_EQ(project().settings.NumSecDelay, expected) << typed.toStdString();
    }
    bar.setValue(70);
    EXPECT_EQ(box.text(), "59");
    EXPECT_EQ(project().settings.NumSecDelay, 59);

    // The auto-run label unlocks the delay.
    delay.SetDelayControlsEnabled(false);
    form->ui.lblAutoRun->clicked();
    EXPECT_TRUE(box.isEnabled());
    EXPECT_TRUE(bar.isEnabled());
}

TEST_F(PreviewNavigationTest, DelayBoxTakesDigitKeysOnly) {
    QLineEdit& box = *form->ui.txtPicTimeSec;
    box.setText("1");
    box.setCursorPosition(1);
    auto type = [&](int key, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(&box, &press);
    };
    type(Qt::Key_5, "5");
    type(Qt::Key_A, "a");
    type(Qt::Key_Minus, "-");
    type(Qt::Key_Backspace, "\b");
    EXPECT_EQ(box.text(), "15");
    type(Qt::Key_Left, "");
    type(Qt::Key_Delete, "\x7f");
    EXPECT_EQ(box.text(), "1");
}
