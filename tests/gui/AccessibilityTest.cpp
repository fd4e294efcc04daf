// Every window a user can open, walked as a screen reader walks it, and the
// main window driven with the keyboard alone.
#include "AccessibilityWalk.h"
#include "GuiTestSupport.h"
#include "ScriptedPrompter.h"
#include "captionstyle/ui/CaptionStylePreview.h"
#include "colortool/ui/SchemeSaveWindow.h"
#include "colortool/ui/TintaraWindow.h"
#include "compiler/ui/NamePrompt.h"
#include "editor/ui/ColorToolWiring.h"
#include "editor/ui/MainWindow.h"
#include "editor/ui/OptionsWindow.h"
#include "platform/ui/ColorSwatch.h"
#include "support/ui/EmailWindow.h"
#include "support/ui/SplashWindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {
void ExpectUsable(QWidget* window) {
    window->show();
    RunEventsFor(10);
    const QStringList problems = AccessibilityProblems(window);
    EXPECT_TRUE(problems.isEmpty()) << window->metaObject()->className() << ":\n"
                                    << problems.join(QLatin1Char('\n')).toStdString();
}
} // namespace

TEST(Accessibility, EveryWindowNamesItsControls) {
    ScriptedPrompter ui;
    MainWindow form(ui);
    ExpectUsable(&form);

    OptionsWindow options(form.project(), ui, OptionsHooks{}, &form);
    ExpectUsable(&options);
    options.hide();

    NamePrompt names(NamePrompt::Mode::PageName, ui, "show", QDate(2026, 12, 7), &form);
    ExpectUsable(&names);

    ConnectColorTool(form);
    form.project().tool.UseColorTool = true;
    form.ui.ShowCTform->click();
    auto* tool = form.findChild<TintaraWindow*>();
    ASSERT_NE(tool, nullptr);
    ExpectUsable(tool);
    Control<QAction>(*tool, "mnuExport")->trigger();
    ASSERT_NE(tool->schemeWindow(), nullptr);
    ExpectUsable(tool->schemeWindow());

    EmailWindow mail(&form);
    ExpectUsable(&mail);
    SplashWindow splash([] {});
    ExpectUsable(&splash);

    QTemporaryDir folder;
    CaptionStylePreview style(form.document(), ui, nullptr, folder.path());
    ExpectUsable(&style);
}

TEST(Accessibility, SwatchesAndCountersReadWhatTheyShow) {
    ScriptedPrompter ui;
    MainWindow form(ui);
    form.project().settings.CaptionFrameColor = RgbColor(0xFF, 0x99, 0xCC);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.ui.picCapFrameColor)
                  ->text(QAccessible::Description),
              "Caption frame colour, #FF99CC");

    // Space presses a focused swatch as a click does: the palette box makes
    // its colour the active one.
    form.show();
    form.activateWindow();
    QWidget* box = form.ui.PicMFormColors[3];
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_EQ(form.project().tool.ActiveColor, form.ui.PicMFormColors[3]->color());

    form.ui.lblPicSelNum->setText(QStringLiteral("3"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.ui.lblPicSelNum)->text(QAccessible::Name),
              "Pictures Selected: 3");
}

TEST(Accessibility, TabLeavesTheDelayBoxWithItsValueHeldInRange) {
    ScriptedPrompter ui;
    MainWindow form(ui);
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(RunEventsUntil([&] { return form.isActiveWindow(); }));
    QLineEdit* delay = form.ui.txtPicTimeSec;
    delay->setEnabled(true);
    delay->setFocus(Qt::TabFocusReason);
    delay->clear();
    QTest::keyClicks(delay, QStringLiteral("1x99999999999"));
    EXPECT_EQ(delay->text(), "199999999999"); // the letter is refused
    QTest::keyClick(delay, Qt::Key_Home);
    QTest::keyClick(delay, Qt::Key_Delete); // editing keys are not
    QTest::keyClick(delay, Qt::Key_Tab);    // past the int range too
    EXPECT_FALSE(delay->hasFocus());
    EXPECT_EQ(delay->text(), "59");
    EXPECT_EQ(form.project().settings.NumSecDelay, 59);
}
