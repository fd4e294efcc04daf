// The options window opened from the main window's Options... button: its
// controls edit the settings at once, and what it does to the slides reaches
// the main window when it closes.
#include "MainWindowFixture.h"
#include "editor/ui/MainWindow.h"
#include "editor/ui/OptionsCommand.h"
#include "editor/ui/OptionsWindow.h"
#include "editor/ui/PictureView.h"

#include "platform/ui/ColorSwatch.h"
#include <QSpinBox>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
struct Options : ::testing::Test {
    ScriptedPrompter ui;
    MainWindow form{ui};
    SlideShowProject& p = form.project();
    ShowSettings& s = form.project().settings;

    Options() {
        for (int i = 0; i < 4; ++i)
            p.AppendPicture(QStringLiteral("/pics/%1.jpg").arg(i));
    }
    // Opens the options window as the user does and works it while it is
    // up; `work` ends by closing it.
    void withOptions(const std::function<void(OptionsWindow&)>& work) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* w = qobject_cast<OptionsWindow*>(QApplication::activeModalWidget());
            ASSERT_NE(w, nullptr);
            seen = true;
            work(*w);
            if (w->isVisible())
                w->reject(); // never leave the test waiting on the window
        });
        form.ui.cmdShowOptForm->click();
        EXPECT_TRUE(seen);
    }
};

void TypeInto(QLineEdit* box, const QString& keys) {
    box->selectAll();
    QTest::keyClicks(box, keys);
}
} // namespace

// Which choices spread is the fill's rule (BackgroundFill in the core tests);
// here closing the window reaches it.
TEST_F(Options, ClosingSpreadsTheSharedBackground) {
    s.NewSlideBackColor = RgbColor(255, 0, 5);
    s.SameBkColorEverySlide = false;
    withOptions([](OptionsWindow& w) {
        w.optPicBkGndColorOptionFrm[0]->click();
        Control<QPushButton>(w, "cmdOk")->click();
    });
    EXPECT_FALSE(p.flags.OptionsChanged); // consumed on activation
    for (int i = 0; i <= p.SlideCapacity(); ++i)
        EXPECT_EQ(p.slot(i).PicBackColor, "&H0500FF") << "slot " << i;
    EXPECT_EQ(form.ui.lblNewBkGnd->color(), RgbColor(255, 0, 5));
}

TEST_F(Options, SameCaptionAndResetReachTheMainWindow) {
    for (int i = 0; i < 36; ++i)
        p.AppendPicture(QStringLiteral("/q/%1.jpg").arg(i));
    s.SongPath = "/music/a.mp3";
    ui.queueInput(QStringLiteral("Holiday"));
    ui.queueInput(std::nullopt);
    ui.queueMessageAnswer(MsgResult::Yes);
    withOptions([&](OptionsWindow& w) {
        Control<QCheckBox>(w, "ckSameCaption")->click();
        EXPECT_FALSE(Control<QCheckBox>(w, "ckSameCaption")->isChecked());
        for (int i = 0; i <= p.SlideCapacity(); ++i)
            EXPECT_EQ(p.slot(i).Caption, "Holiday") << "slot " << i;
        EXPECT_EQ(form.ui.txtCaption->text(), "Holiday");
        Control<QCheckBox>(w, "ckSameCaption")->click(); // Cancel changes nothing
        EXPECT_EQ(p.slot(0).Caption, "Holiday");

        Control<QPushButton>(w, "cmdReset")->click();
        Control<QPushButton>(w, "cmdOk")->click();
    });
    const InputBoxRequest& r = ui.questions().at(0).input;
    EXPECT_EQ(r.prompt,
              "Please type in your Caption for every slide.\r\nPlease type in your Caption!");
    EXPECT_TRUE(r.defaultText.startsWith(
        QLocale().toString(QDate::currentDate(), QLocale::LongFormat) + "  "));
    const MessageBoxRequest m = ui.messages().back();
    EXPECT_EQ(m.text, "Reset the Whole Program? Are you sure?");
    EXPECT_EQ(m.title, "Reset All?");
    EXPECT_EQ(m.icon, MsgIcon::Critical);

    EXPECT_EQ(p.SlideCount(), 0);
    EXPECT_EQ(s.SongPath, "/music/a.mp3"); // the settings stay
    EXPECT_EQ(form.windowTitle(), "Picture #0 - Untitled*");
    EXPECT_TRUE(form.ui.txtCaption->text().isEmpty());
}

TEST_F(Options, OpeningPagePictureThroughTheSingleFileDialog) {
    QTemporaryDir dir;
    const QString tile = MakePicture(dir.path(), "tile.jpg");
    ui.queueFiles({tile});
    ui.queueFiles({MakeBrokenPicture(dir.path(), "notes.gif")});
    withOptions([&](OptionsWindow& w) {
        Control<QPushButton>(w, "cmdOpenBkPic")->click();
        EXPECT_FALSE(Control<PictureView>(w, "PicBxOpenBkPic")->image().isNull());
        // A file that is no picture: the error, and no flag left behind.
        Control<QPushButton>(w, "cmdOpenBkPic")->click();
        Control<QPushButton>(w, "cmdOk")->click();
    });
    EXPECT_EQ(s.OpenPgBkPic, tile);
    EXPECT_FALSE(p.flags.OpenPgBkPicChanged);
    EXPECT_EQ(ui.messages().size(), 1u);
}

// Every text fits its control, and the opening-page picture keeps its box
// when the window is made larger instead of stretching.
// PEVRANO_OPTIONS_SCREENSHOT=file.png saves the window as shown.
TEST_F(Options, TextsFitAndThePictureBoxKeepsItsSize) {
    withOptions([](OptionsWindow& w) {
        QCoreApplication::processEvents();
        for (QAbstractButton* b : w.findChildren<QAbstractButton*>())
            EXPECT_GE(b->width(), b->minimumSizeHint().width()) << b->text().toStdString();
        for (QLabel* l : w.findChildren<QLabel*>())
            if (!l->wordWrap())
                EXPECT_GE(l->width(), l->sizeHint().width()) << l->text().toStdString();
        if (const QByteArray file = qgetenv("PEVRANO_OPTIONS_SCREENSHOT"); !file.isEmpty())
            w.grab().save(QString::fromLocal8Bit(file));
        const QSize pictureBox = Control<PictureView>(w, "PicBxOpenBkPic")->parentWidget()->size();
        w.resize(w.width() + 300, w.height() + 200);
        QCoreApplication::processEvents();
        EXPECT_EQ(Control<PictureView>(w, "PicBxOpenBkPic")->parentWidget()->size(), pictureBox);
    });
}

// The controls edit the settings at once, kept even when the window is closed
// without OK; boxes hold their numbers in range and Tab skips what is off.
// Each control showing and editing its value: EveryTiedRowRoundTrips.
TEST_F(Options, EditsAtOnceInRangeAndInTabOrder) {
    s.AmountOfSlidesFFRev = 7;
    withOptions([&](OptionsWindow& w) {
        EXPECT_EQ(Control<QLineEdit>(w, "txtFFRev")->text(), "7"); // the untied skip box
        Control<QCheckBox>(w, "ckFitPictures")->click();
        // The skip box moves the scroll bar, and back.
        TypeInto(Control<QLineEdit>(w, "txtFFRev"), "15");
        EXPECT_EQ(Control<QScrollBar>(w, "VScrollopt")->value(), 15);
        Control<QScrollBar>(w, "VScrollopt")->setValue(40);
        EXPECT_EQ(Control<QLineEdit>(w, "txtFFRev")->text(), "40");
        // Tab runs from the check box into the fitting box; leaving a box
        // keeps its number in range.
        QApplication::setActiveWindow(&w);
        Control<QCheckBox>(w, "ckFitPictures")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Control<QCheckBox>(w, "ckFitPictures"), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), Control<QLineEdit>(w, "txtFitWidth"));
        TypeInto(Control<QLineEdit>(w, "txtFitWidth"), "5x0");
        QTest::keyClick(Control<QLineEdit>(w, "txtFitWidth"), Qt::Key_Tab);
        EXPECT_EQ(Control<QLineEdit>(w, "txtFitWidth")->text(), "100");
        TypeInto(Control<QLineEdit>(w, "txtFitHeight"), "12800");
        // A show started in the window writes the player page, which needs
        // the sizes: their box shows them on and is skipped by Tab.
        EXPECT_TRUE(Control<QCheckBox>(w, "ckPlayer")->isChecked());
        EXPECT_TRUE(Control<QCheckBox>(w, "ckPictureSizes")->isChecked());
        EXPECT_FALSE(Control<QCheckBox>(w, "ckPictureSizes")->isEnabled());
        QTest::keyClick(Control<QLineEdit>(w, "txtFitHeight"), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), Control<QCheckBox>(w, "ckPlayer"));
        QTest::keyClick(Control<QCheckBox>(w, "ckPlayer"), Qt::Key_Space);
        // Without the player the sizes are a choice of their own again.
        EXPECT_TRUE(Control<QCheckBox>(w, "ckPictureSizes")->isEnabled());
        QTest::keyClick(Control<QCheckBox>(w, "ckPlayer"), Qt::Key_Backtab);
        ASSERT_EQ(QApplication::focusWidget(), Control<QCheckBox>(w, "ckPictureSizes"));
        QTest::keyClick(Control<QCheckBox>(w, "ckPictureSizes"), Qt::Key_Space);
        // The room kept for made sizes follows the player's box.
        Control<QCheckBox>(w, "ckPlayer")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Control<QCheckBox>(w, "ckPlayer"), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), Control<QSpinBox>(w, "spnSizesCache"));
        EXPECT_EQ(Control<QSpinBox>(w, "spnSizesCache")->value(), 1024);
        QTest::keyClick(Control<QSpinBox>(w, "spnSizesCache"), Qt::Key_Down);
        w.reject(); // by Escape or the close box: still a close
    });
    EXPECT_TRUE(s.FitPictures);
    EXPECT_FALSE(WantsPictureSizes(s));
    EXPECT_FALSE(s.PictureSizes);
    EXPECT_FALSE(s.Player);
    EXPECT_EQ(s.AmountOfSlidesFFRev, 40);
    EXPECT_EQ(s.FitWidth, 100);
    EXPECT_EQ(s.FitHeight, 1280); // four digits at most
    EXPECT_EQ(s.SizesCacheMB, 1023);
    EXPECT_TRUE(ui.questions().empty());
}
