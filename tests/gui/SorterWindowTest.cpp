#include "sorter/ui/SorterWindow.h"
#include "AccessibilityWalk.h"
#include "MainWindowFixture.h"
#include "core/TestFiles.h"
#include "editor/ui/OpenSorter.h"
#include "editor/ui/PictureView.h"
#include "pictures/ui/ShownPictures.h"
#include "sorter/ui/ThumbnailCanvas.h"
#include "sorter/ui/ThumbnailStore.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>

namespace {
// A show whose 20th picture cannot be read.
struct SorterTest : MainWindowTest {
    void SetUp() override {
        MainWindowTest::SetUp();
        ConnectPictureSorter(*form);
    }
    void MakeShow(int n) {
        AddThroughDialog(MakePictures(n));
        if (n >= 20)
            project().slide(20).PicturePath = MakeBrokenPicture(folder(), "broken.jpg");
        ui.clear();
    }
    static ThumbnailCanvas* Canvas(const SorterWindow& w) {
        return Control<ThumbnailCanvas>(w, "Picture1");
    }
    std::unique_ptr<SorterWindow> Open() {
        auto w = std::make_unique<SorterWindow>(form->document(), ui, form.get());
        w->show();
        EXPECT_TRUE(RunEventsUntil([&] { return !w->thumbnails().loading(); }));
        return w;
    }
};
} // namespace

TEST_F(SorterTest, OpensOnlyFromTwoSlidesAndRefreshesTheMainWindowAfterwards) {
    MakeShow(1);
    form->ui.mnuSortPictures->trigger();
    ASSERT_EQ(ui.messages().size(), 1u); // its text: SorterOpeningTest.RefusesBelowTwoSlides
    EXPECT_EQ(ui.messages()[0].title, "You need at least 2 Pictures to swap");

    AddThroughDialog(MakePictures(2, "more"));
    project().setCurrentSlide(1);
    ui.queueMessageAnswer(MsgResult::Yes);
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<SorterWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        seen = true;
        w->choosePicture(0);
        w->choosePicture(2);
        w->swapPictures();
        form->ui.lblPicSelNum->clear();
        w->reject();
    });
    form->ui.cmdAllImages->click();
    EXPECT_TRUE(seen);
    EXPECT_TRUE(project().slide(1).PicturePath.endsWith("more/p2.jpg"));
    // The main window shows the show again once the sorter is closed.
    EXPECT_EQ(form->ui.lblPicSelNum->text(), "3");
    EXPECT_EQ(form->ui.Image1->path(), project().slide(1).PicturePath);
}

TEST_F(SorterTest, ShowsEveryThumbnailAndSkipsAnUnreadablePicture) {
    MakeShow(60);
    const auto w = Open();
    ASSERT_EQ(Canvas(*w)->count(), 60);
    EXPECT_TRUE(w->thumbnails().unreadable(19));
    EXPECT_FALSE(w->thumbnails().image(20).isNull());
    // A screen reader reads each painted thumbnail as an item of the grid.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Canvas(*w))->childCount(), 60);

    // Scrolled to the bottom, the last row is in the viewport.
    auto* bar = Control<QScrollBar>(*w, "VScroll1");
    bar->setValue(bar->maximum());
    const QRect last = Canvas(*w)->grid().cell(59).translated(Canvas(*w)->pos());
    EXPECT_LE(last.bottom(), Control<QFrame>(*w, "Picture2")->contentsRect().height());

    // The unreadable picture still fills a swap slot: empty, with its number.
    w->choosePicture(19);
    EXPECT_EQ(Control<QLabel>(*w, "lblSwap", 0)->text(), "Picture Number: 20");
    EXPECT_TRUE(Control<QLabel>(*w, "imgSwap", 0)->pixmap().isNull());
}

// FIFOs as slide pictures (nothing writes to them): the thumbnails and the
// swap slots refuse them at once, and closing the sorter waits for nothing.
TEST_F(SorterTest, FifosAsPicturesNeverHoldUpTheWindow) {
    MakeShow(3);
    const QString fifo = QDir(folder()).filePath("pipe.jpg");
    ASSERT_TRUE(MakeFifo(fifo));
    project().slide(1).PicturePath = fifo;
    project().slide(3).PicturePath = fifo;
    FifoWatchdog watchdog(fifo);
    EXPECT_FALSE(CanShowPicture(fifo));
    EXPECT_TRUE(DecodeToSize(fifo, QSize(40, 30)).isNull());
    {
        const auto w = Open();
        EXPECT_TRUE(w->thumbnails().unreadable(0));
        EXPECT_FALSE(w->thumbnails().image(1).isNull());
        w->choosePicture(0);
        w->choosePicture(2);
        w->close();
    }
    EXPECT_FALSE(watchdog.fired());
}

TEST_F(SorterTest, PicksAndSwapsWithMouseAndKeyboard) {
    MakeShow(6);
    const auto w = Open();
    EXPECT_EQ(AccessibilityProblems(w.get()), QStringList());

    Control<QPushButton>(*w, "cmdSwapPics")->click();
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, "Please select 2 pictures to swap");

    QTest::mouseClick(Canvas(*w), Qt::LeftButton, {}, Canvas(*w)->grid().cell(1).center());
    EXPECT_EQ(w->highlighted(), 1);
    EXPECT_EQ(Control<QLabel>(*w, "lblSwap", 0)->text(), "Picture Number: 2");
    // From the keyboard: three to the right, then Space.
    Canvas(*w)->setFocus();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), Canvas(*w));
    EXPECT_EQ(Canvas(*w)->current(), 4);
    QTest::keyClick(Canvas(*w), Qt::Key_Space);
    EXPECT_EQ(w->swapSlots().index(1), 4);

    const QImage two = w->thumbnails().image(1);
    Control<QPushButton>(*w, "cmdSwapPics")->click();
    EXPECT_TRUE(project().slide(2).PicturePath.endsWith("p5.jpg"));
    EXPECT_TRUE(project().slide(5).PicturePath.endsWith("p2.jpg"));
    EXPECT_EQ(w->thumbnails().image(4), two); // moved, not decoded again
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Canvas(*w))->child(1)->text(QAccessible::Name),
              "Slide 2: p5.jpg");
    EXPECT_FALSE(w->swapSlots().filled(0));
}

// Each swap is a step of the main window's history, undone after the sorter
// has closed.
TEST_F(SorterTest, SwapsAreUndoneAfterTheSorterClosed) {
    MakeShow(3);
    const QStringList first{project().slide(1).PicturePath, project().slide(2).PicturePath,
                            project().slide(3).PicturePath};
    ui.queueMessageAnswer(MsgResult::Yes);
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<SorterWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        w->choosePicture(0);
        w->choosePicture(2);
        w->swapPictures();
        w->choosePicture(0);
        w->choosePicture(1);
        w->swapPictures();
        w->reject();
    });
    form->ui.cmdAllImages->click();
    const auto order = [&] {
        return QStringList{project().slide(1).PicturePath, project().slide(2).PicturePath,
                           project().slide(3).PicturePath};
    };
    EXPECT_EQ(order(), (QStringList{first[1], first[2], first[0]}));
    auto* undo = form->findChild<QAction*>(QStringLiteral("mnuUndo"));
    auto* redo = form->findChild<QAction*>(QStringLiteral("mnuRedo"));
    ASSERT_NE(undo, nullptr);
    EXPECT_EQ(undo->text(), "Undo Swap Pictures");
    undo->trigger();
    EXPECT_EQ(order(), (QStringList{first[2], first[1], first[0]}));
    EXPECT_EQ(form->ui.lblCount->text(), "1"); // the swapped slide on view
    undo->trigger();
    EXPECT_EQ(order(), first);
    EXPECT_EQ(undo->text(), "Undo Add Picture(s)");
    redo->trigger();
    redo->trigger();
    EXPECT_EQ(order(), (QStringList{first[1], first[2], first[0]}));
}

// A thumbnail dragged onto another swaps the two, as choosing both and
// pressing the swap button does; a press and release on one is a click.
TEST_F(SorterTest, DraggingAThumbnailOntoAnotherSwapsThem) {
    MakeShow(4);
    const QString one = project().slide(1).PicturePath;
    const QString three = project().slide(3).PicturePath;
    const auto w = Open();
    ThumbnailCanvas* canvas = Canvas(*w);
    const QPoint from = canvas->grid().cell(0).center();
    const QPoint to = canvas->grid().cell(2).center();
    const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), canvas->mapToGlobal(QPointF(at)), Qt::LeftButton, held,
                          Qt::NoModifier);
        QApplication::sendEvent(canvas, &event);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton);
    send(QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
    send(QEvent::MouseMove, to, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, to, Qt::NoButton);
    EXPECT_EQ(project().slide(1).PicturePath, three);
    EXPECT_EQ(project().slide(3).PicturePath, one);
    EXPECT_FALSE(w->swapSlots().filled(0));
    EXPECT_FALSE(w->swapSlots().filled(1));
    EXPECT_TRUE(ui.messages().empty());

    send(QEvent::MouseButtonPress, to, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, to, Qt::NoButton);
    EXPECT_EQ(project().slide(3).PicturePath, one);
    EXPECT_TRUE(w->swapSlots().filled(0));
}
