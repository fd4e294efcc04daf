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

TEST_F(PreviewNavigationTest, FastForwardAndRewindStopAtTheEnds) {
    const QStringList paths = MakePictures(10);
    AddThroughDialog(paths);
    project().settings.AmountOfSlidesFFRev = 3;
    project().setCurrentSlide(9);
    ui.clear();

    Press(PreviewNavigation::FastForward);
    EXPECT_EQ(project().CurrentSlide(), 10);
    EXPECT_EQ(form->windowTitle(), "Picture #10");
    EXPECT_EQ(form->ui.Image1->path(), paths[9]);
    EXPECT_TRUE(ui.messages().empty());
    Press(PreviewNavigation::FastForward);
    ExpectLastMessage(kEnd, kSimulator);
    EXPECT_EQ(ui.messages().back().icon, MsgIcon::Information);
    Press(PreviewNavigation::Forward);
    ExpectLastMessage(kEnd, kSimulator);
    EXPECT_EQ(project().CurrentSlide(), 10);

    Press(PreviewNavigation::Rewind);
    EXPECT_EQ(project().CurrentSlide(), 7);
    Press(PreviewNavigation::Back);
    EXPECT_EQ(project().CurrentSlide(), 6);
    EXPECT_EQ(form->ui.lblCount->text(), "6");
    EXPECT_EQ(form->ui.Image1->path(), paths[5]);

    project().setCurrentSlide(2);
    ui.clear();
    Press(PreviewNavigation::Rewind);
    EXPECT_EQ(project().CurrentSlide(), 1);
    EXPECT_EQ(form->windowTitle(), "Picture #1");
    EXPECT_TRUE(ui.messages().empty());
    Press(PreviewNavigation::Rewind);
    ExpectLastMessage(kBeginning, kSimulator);
    Press(PreviewNavigation::Back);
    ExpectLastMessage(kBeginning, kSimulator);
    EXPECT_EQ(ui.messages().size(), 2u);
    Press(PreviewNavigation::Forward);
    EXPECT_EQ(project().CurrentSlide(), 2);
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
    const QStringList paths = MakePictures(3);
    AddThroughDialog(paths);
    project().settings.NumSecDelay = 5;
    Press(PreviewNavigation::AutoRun);
    EXPECT_EQ(AutoRunCaption(), "Stop #1");
    EXPECT_TRUE(form->ui.Timer1->isActive());
    EXPECT_EQ(form->ui.Timer1->interval(), 5000);
    EXPECT_EQ(project().CurrentSlide(), 1);

    const std::vector<int> order{1, 2, 3, 1, 2};
    for (int shown : order) {
        nav().Timer1_Timer();
        EXPECT_EQ(AutoRunCaption(), "Stop #" + QString::number(shown));
        EXPECT_EQ(form->windowTitle(), "Picture #" + QString::number(shown));
        EXPECT_EQ(form->ui.Image1->path(), paths[shown - 1]);
        EXPECT_EQ(project().CurrentSlide(), shown % 3 + 1);
        EXPECT_FALSE(form->ui.txtPicTimeSec->isEnabled());
        EXPECT_FALSE(form->ui.VScrollSec->isEnabled());
    }

    // Pressed again it stops.
    Press(PreviewNavigation::AutoRun);
    EXPECT_EQ(AutoRunCaption(), "Auto Run");
    EXPECT_FALSE(form->ui.Timer1->isActive());
    EXPECT_TRUE(form->ui.txtPicTimeSec->isEnabled());
}

TEST_F(PreviewNavigationTest, ForwardDuringAutoRunStepsFromTheNextSlide) {
    const QStringList paths = MakePictures(4);
    AddThroughDialog(paths);
    Press(PreviewNavigation::AutoRun);
    nav().Timer1_Timer(); // shows 1, next is 2
    Press(PreviewNavigation::Forward);
    EXPECT_FALSE(form->ui.Timer1->isActive());
    EXPECT_EQ(AutoRunCaption(), "Auto Run");
    EXPECT_EQ(project().CurrentSlide(), 3);
    EXPECT_EQ(form->ui.Image1->path(), paths[2]);
    EXPECT_TRUE(form->ui.txtPicTimeSec->isEnabled());
}

TEST_F(PreviewNavigationTest, AutoRunStopsWhenAnotherControlTakesTheFocus) {
    AddThroughDialog(MakePictures(3));
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(RunEventsUntil([&] { return form->isActiveWindow(); }));
    QPushButton* autoRun = form->ui.cmdFB[PreviewNavigation::AutoRun];
    autoRun->setFocus(Qt::MouseFocusReason);
    autoRun->click();
    ASSERT_TRUE(form->ui.Timer1->isActive());
    nav().Timer1_Timer();

    form->ui.cmdDelete->setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(form->ui.Timer1->isActive());
    EXPECT_EQ(AutoRunCaption(), "Auto Run");
    EXPECT_TRUE(form->ui.VScrollSec->isEnabled());

    // The handler alone does the same.
    autoRun->click();
    ASSERT_TRUE(form->ui.Timer1->isActive());
    nav().cmdFB_LostFocus(PreviewNavigation::AutoRun);
    EXPECT_FALSE(form->ui.Timer1->isActive());
}

// Stopping leaves CurrentSlide on the slide the next tick would show; the
// window shows that slide in full, so a caption edited after stopping goes
// into the slide whose caption the box shows.
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

    // Pressing Auto Run again to stop does the same; a stopped button that
    // loses the focus changes nothing shown.
    autoRun->setFocus(Qt::MouseFocusReason);
    autoRun->click();
    nav().Timer1_Timer(); // 1 on screen, 2 next
    nav().Timer1_Timer(); // 2 on screen, 3 next
    autoRun->click();
    EXPECT_EQ(AutoRunCaption(), "Auto Run");
    EXPECT_EQ(form->windowTitle(), "Picture #3");
    EXPECT_EQ(form->ui.Image1->path(), paths[2]);
    EXPECT_EQ(form->ui.txtCaption->text(), "caption 3");
    project().setCurrentSlide(1);
    form->ui.cmdDelete->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(form->windowTitle(), "Picture #3");
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

TEST_F(PreviewNavigationTest, UnreadablePictureIsSkippedWhileRunning) {
    const QStringList paths = MakePictures(2);
    AddThroughDialog(paths);
    QFile::remove(paths[0]);
    Press(PreviewNavigation::AutoRun);
    nav().Timer1_Timer();
    EXPECT_EQ(form->ui.Image1->path(), "");
    EXPECT_EQ(AutoRunCaption(), "Stop #1");
    nav().Timer1_Timer();
    EXPECT_EQ(form->ui.Image1->path(), paths[1]);
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(PreviewNavigationTest, DelayBoxIsClampedWhenLeft) {
    AutoRunDelay& delay = form->delay();
    QLineEdit& box = *form->ui.txtPicTimeSec;
    QScrollBar& bar = *form->ui.VScrollSec;
    const std::vector<std::pair<QString, int>> cases{
        {"75", 59}, {"1", 3}, {"", 3}, {"12", 12}, {"99999999999", 59}, {"60", 59}, {"3", 3}};
    for (const auto& [typed, expected] : cases) {
        box.setText(typed);
        delay.txtPicTimeSec_LostFocus();
        EXPECT_EQ(box.text(), QString::number(expected)) << typed.toStdString();
        EXPECT_EQ(bar.value(), expected) << typed.toStdString();
        EXPECT_EQ(project().settings.NumSecDelay, expected) << typed.toStdString();
    }

    bar.setValue(20);
    EXPECT_EQ(box.text(), "20");
    EXPECT_EQ(project().settings.NumSecDelay, 20);
    bar.setValue(70);
    EXPECT_EQ(bar.value(), 59);
    EXPECT_EQ(project().settings.NumSecDelay, 59);
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

TEST_F(PreviewNavigationTest, AutoRunLabelUnlocksTheDelay) {
    form->delay().SetDelayControlsEnabled(false);
    form->ui.lblAutoRun->clicked();
    EXPECT_TRUE(form->ui.txtPicTimeSec->isEnabled());
    EXPECT_TRUE(form->ui.VScrollSec->isEnabled());
}

// Clicking a colour swatch is clicking another control: auto run stops.
TEST_F(PreviewNavigationTest, ClickingASwatchStopsAutoRun) {
    AddThroughDialog(MakePictures(3));
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(RunEventsUntil([&] { return form->isActiveWindow(); }));
    for (QWidget* swatch : {static_cast<QWidget*>(form->ui.PicMFormColors[3]),
                            static_cast<QWidget*>(form->ui.picBackPicture)}) {
        QPushButton* autoRun = form->ui.cmdFB[PreviewNavigation::AutoRun];
        autoRun->setFocus(Qt::MouseFocusReason);
        autoRun->click();
        nav().Timer1_Timer();
        ASSERT_TRUE(form->ui.Timer1->isActive());
        QTest::mouseClick(swatch, Qt::LeftButton, {}, QPoint(4, 4));
        EXPECT_FALSE(form->ui.Timer1->isActive()) << swatch->objectName().toStdString();
        EXPECT_EQ(AutoRunCaption(), "Auto Run");
    }
}
