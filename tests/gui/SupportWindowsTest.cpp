// The support windows: tooltips, the splash and the e-mail form.
#include "MainWindowFixture.h"
#include "ScriptedPrompter.h"
#include "editor/ui/MainWindowControls.h"
#include "editor/ui/MainWindowTips.h"
#include "support/ui/CHelp.h"
#include "support/ui/EmailWindow.h"
#include "support/ui/SplashWindow.h"
#include "support/ui/TipWindow.h"
#include "support/ui/cToolTip.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEnterEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>

namespace {
// Moves the mouse onto the control as the window system would.
void Enter(QWidget* w) {
    QEnterEvent enter(QPointF(5, 5), QPointF(w->mapTo(w->window(), QPoint(5, 5))),
                      QPointF(w->mapToGlobal(QPoint(5, 5))));
    QCoreApplication::sendEvent(w, &enter);
}
} // namespace

// A tip waits for the delay, wraps at its width and leaves after the visible
// time; an item tip wins inside its rectangle; registering again replaces the
// text, and the style (balloon or plain) follows the setting.
TEST(cToolTip, DelayVisibleTimeItemsAndStyle) {
    cToolTip tips;
    QWidget host;
    host.resize(100, 40);
    host.show();
    tips.setDelayTime(150);
    tips.setVisibleTime(150);
    tips.setTipWidth(60);
    tips.setStyle(2);
    tips.SetToolTipObj(&host, "a tip long enough to wrap at sixty pixels");
    Enter(&host);
    RunEventsFor(50);
    EXPECT_EQ(tips.VisibleTip(), nullptr);
    ASSERT_TRUE(RunEventsUntil([&] { return tips.VisibleTip() != nullptr; }));
    EXPECT_TRUE(tips.VisibleTip()->isBalloon());
    EXPECT_LE(tips.VisibleTip()->width(), 60 + 16); // wrapped, plus the padding
    EXPECT_TRUE(RunEventsUntil([&] { return tips.VisibleTip() == nullptr; }, 2000));

    tips.setVisibleTime(0);
    tips.setDelayTime(0);
    tips.SetToolTipItem(&host, 7, QRect(0, 0, 10, 10), "item");
    Enter(&host);
    ASSERT_TRUE(RunEventsUntil([&] { return tips.VisibleTip() != nullptr; }));
    EXPECT_EQ(tips.VisibleTip()->text(), "item");
    tips.AjustItemRect(&host, 7, QRect(50, 0, 10, 10));
    tips.HideTip();
    tips.setStyle(1);
    tips.SetToolTipObj(&host, "one");
    Enter(&host);
    ASSERT_TRUE(RunEventsUntil([&] { return tips.VisibleTip() != nullptr; }));
    EXPECT_EQ(tips.VisibleTip()->text(), "one");
    EXPECT_FALSE(tips.VisibleTip()->isBalloon());

    tips.DelToolTip(&host, 7);
    tips.DelToolTip(&host);
    tips.HideTip();
    Enter(&host);
    RunEventsFor(100);
    EXPECT_EQ(tips.VisibleTip(), nullptr);
}

// The tip texts are the window's own tables; here the settings reach them
// and the switch takes them all away and brings them back.
TEST_F(MainWindowTest, TipsFollowTheSettingsAndTheSwitch) {
    // The skip amount reaches the tips at the next activation.
    project().settings.AmountOfSlidesFFRev = 5;
    emit form->activated();
    EXPECT_EQ(form->ui.cmdFB[1]->toolTip(), "Advance 5 Slides");

    form->ui.ckToolTips->click();
    EXPECT_EQ(form->ui.ckToolTips->text(), "Tips Off");
    EXPECT_FALSE(project().tool.ToolTipsOn);
    for (QWidget* w : form->findChildren<QWidget*>())
        EXPECT_TRUE(w->toolTip().isEmpty()) << w->objectName().toStdString();
    emit form->activated(); // and they stay off
    EXPECT_TRUE(form->ui.cmdAdd->toolTip().isEmpty());
    cToolTip& yellow = form->tips().manager(TipManager::Yellow);
    Enter(form->ui.cmdCapForeColor);
    RunEventsFor(yellow.DelayTime() + 150);
    EXPECT_EQ(yellow.VisibleTip(), nullptr);

    form->ui.ckToolTips->click();
    EXPECT_EQ(form->ui.ckToolTips->text(), "Tips On");
    Enter(form->ui.cmdCapForeColor);
    EXPECT_TRUE(RunEventsUntil([&] { return yellow.VisibleTip() != nullptr; }));
}

TEST_F(MainWindowTest, AboutNamesTheProgramWithTheWindowsIcon) {
    form->ui.mnuCFaboutProg->trigger();
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].title, "About Pevrano Slide Show");
    EXPECT_EQ(ui.messages()[0].icon, MsgIcon::Application);
}

TEST(SplashWindow, TimersShowTheMainWindowThenCloseTheSplash) {
    int shown = 0;
    SplashWindow splash([&shown] { ++shown; });
    splash.show();
    EXPECT_TRUE(splash.Timer1.isActive());
    QTest::keyClick(&splash, Qt::Key_Escape); // keys and clicks do nothing
    QTest::mouseClick(&splash, Qt::LeftButton);

    splash.handOver();
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(splash.Timer2.isActive());
    EXPECT_TRUE(splash.isVisible());
    splash.closeSplash();
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(shown, 1);
}

TEST(EmailWindow, ShowingFillsTheFormAndSendOpensTheEncodedAddress) {
    ScriptedPrompter ask;
    EmailWindow composer(nullptr, &ask);
    QList<QUrl> opened;
    bool started = true;
    composer.openUrl = [&](const QUrl& url) {
        opened << url;
        return started;
    };
    composer.show();

    Control<QLineEdit>(composer, "txtSubject")->setText("Q&A");
    Control<QComboBox>(composer, "cboBody")->setEditText("Hi");
    Control<QPushButton>(composer, "cmdSendIt")->click();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].toString(QUrl::FullyEncoded),
              "mailto:support@pevrano.example?Subject=Q%26A&Body=Hi");
    EXPECT_TRUE(ask.messages().empty());

    // No mail program: the user is told, with the address to write to.
    started = false;
    Control<QPushButton>(composer, "cmdSendIt")->click();
    ASSERT_EQ(ask.messages().size(), 1u);
    EXPECT_TRUE(ask.messages()[0].text.contains("support@pevrano.example"));
    EXPECT_EQ(ask.messages()[0].title, "Sending E-mail...");
}

// No browser: the help says so, with the page to open by hand.
TEST(CHelp, SaysWhereThePageIsWhenNoBrowserStarts) {
    ScriptedPrompter ask;
    QUrl asked;
    EXPECT_FALSE(
        CHelp::Show("/opt/p/Pevrano.chm", "slideshow", std::nullopt, &ask, [&](const QUrl& url) {
            asked = url;
            return false;
        }));
    ASSERT_EQ(ask.messages().size(), 1u);
    EXPECT_TRUE(ask.messages()[0].text.endsWith(asked.toLocalFile()));
    EXPECT_TRUE(asked.toLocalFile().startsWith("/opt/p/"));
    EXPECT_TRUE(CHelp::Show("/opt/p/Pevrano.chm", "slideshow", std::nullopt, &ask,
                            [](const QUrl&) { return true; }));
    EXPECT_EQ(ask.messages().size(), 1u);
}
