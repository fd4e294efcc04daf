#include "Form1Fixture.h"
#include "editor/ui/Form1Controls.h"
#include "editor/ui/MainWindowTips.h"
#include "support/ui/TipWindow.h"
#include "support/ui/cToolTip.h"

#include <QCheckBox>
#include <QEnterEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {
// Moves the mouse onto the control as the window system would.
void Enter(QWidget* w) {
    QEnterEvent enter(QPointF(5, 5), QPointF(w->mapTo(w->window(), QPoint(5, 5))),
                      QPointF(w->mapToGlobal(QPoint(5, 5))));
    QCoreApplication::sendEvent(w, &enter);
}
} // namespace

// A balloon tip, then a plain one: the style and a new text come back.
TEST(cToolTip, StyleAndTextComeBack) {
    cToolTip tips;
    QWidget host;
    host.resize(100, 40);
    host.show();
    tips.setDelayTime(0);
    tips.SetToolTipObj(&host, "one\r\ntwo");
    tips.setStyle(2);
    Enter(&host);
    ASSERT_TRUE(RunEventsUntil([&] { return tips.VisibleTip() != nullptr; }));
    EXPECT_TRUE(tips.VisibleTip()->isBalloon());
    const int twoLines = tips.VisibleTip()->height();

    tips.HideTip();
    tips.setStyle(1);
    tips.SetToolTipObj(&host, "one"); // registering again replaces the text
    Enter(&host);
    ASSERT_TRUE(RunEventsUntil([&] { return tips.VisibleTip() != nullptr; }));
    EXPECT_FALSE(tips.VisibleTip()->isBalloon());
    EXPECT_EQ(tips.VisibleTip()->text(), "one");
    EXPECT_LT(tips.VisibleTip()->height(), twoLines);
}

TEST(cToolTip, TipWaitsForTheDelayAndLeavesAfterTheVisibleTime) {
    cToolTip tips;
    QWidget host;
    host.resize(100, 40);
    host.show();
    tips.setDelayTime(150);
    tips.setVisibleTime(150);
    tips.setTipWidth(60);
    tips.SetToolTipObj(&host, "a tip long enough to wrap at sixty pixels");
    Enter(&host);
    RunEventsFor(50);
    EXPECT_EQ(tips.VisibleTip(), nullptr);
    ASSERT_TRUE(RunEventsUntil([&] { return tips.VisibleTip() != nullptr; }));
    EXPECT_LE(tips.VisibleTip()->width(), 60 + 16); // wrapped, plus the padding
    EXPECT_TRUE(RunEventsUntil([&] { return tips.VisibleTip() == nullptr; }, 2000));

    // An item tip wins over the whole-control tip inside its rectangle.
    tips.setVisibleTime(0);
    tips.SetToolTipItem(&host, 7, QRect(0, 0, 10, 10), "item");
    Enter(&host);
    ASSERT_TRUE(RunEventsUntil([&] { return tips.VisibleTip() != nullptr; }));
    EXPECT_EQ(tips.VisibleTip()->text(), "item");
    tips.AjustItemRect(&host, 7, QRect(50, 0, 10, 10));
    Enter(&host);
    ASSERT_TRUE(RunEventsUntil([&] { return tips.VisibleTip() != nullptr; }));
    EXPECT_NE(tips.VisibleTip()->text(), "item");

    tips.DelToolTip(&host, 7);
    tips.DelToolTip(&host);
    Enter(&host);
    RunEventsFor(250);
    EXPECT_EQ(tips.VisibleTip(), nullptr);
}

// The tip texts are the window's own tables; here the settings reach them
// and the switch takes them all away and brings them back.
TEST_F(Form1Test, TipsFollowTheSettingsAndTheSwitch) {
    // The skip amount reaches the tips at the next activation.
    project().settings.AmountOfSlidesFFRev = 5;
    emit form->activated();
    EXPECT_EQ(form->ui.cmdFB[1]->toolTip(), "Advance 5 Slides");

    form->ui.ckToolTips->click();
    EXPECT_EQ(form->ui.ckToolTips->text(), "Tips Off");
    EXPECT_FALSE(project().settings.ToolTipsOn);
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
