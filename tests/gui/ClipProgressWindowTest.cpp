// The main window's compile host while a clip encodes: the bar fills the
// clip's step with the seconds encoded, a modal dialog offers Cancel, and
// the next step closes it.
#include "GuiTestSupport.h"
#include "ScriptedPrompter.h"
#include "compiler/ui/WindowCompileHost.h"

#include <QPointer>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>

TEST(ClipProgressWindow, FillsTheClipsStepAndCancels) {
    QWidget window;
    auto* bar = new QProgressBar(&window);
    window.show();
    ScriptedPrompter ui;
    WindowCompileHost host(&window, ui, bar, {});
    host.showProgress(4);
    host.setProgress(1);
    const int step = bar->value();
    EXPECT_EQ(bar->maximum(), 4 * step);

    host.setClipProgress(1, 5, 10);
    EXPECT_GT(bar->value(), step + step / 3);
    EXPECT_LT(bar->value(), 2 * step - step / 3);
    const QPointer<QProgressDialog> dialog = window.findChild<QProgressDialog*>("dlgClipProgress");
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal) << "no window takes input";
    EXPECT_EQ(dialog->labelText(), "Making a video clip for the web...");
    EXPECT_FALSE(host.cancelRequested());
    host.setClipProgress(1, 9.9, 10);
    EXPECT_LT(bar->value(), 2 * step) << "the clip's step is full only when the clip is";

    auto* cancel = dialog->findChild<QPushButton*>();
    ASSERT_TRUE(cancel);
    EXPECT_EQ(cancel->text(), "Cancel");
    cancel->click();
    EXPECT_TRUE(host.cancelRequested());
    EXPECT_TRUE(host.cancelRequested()) << "the run stays cancelled";

    host.setProgress(2);
    EXPECT_EQ(bar->value(), 2 * step);
    EXPECT_TRUE(!dialog || !dialog->isVisible()) << "closed (and gone) with the clip's step";
    host.hideProgress();
    EXPECT_FALSE(bar->isVisible());
}
