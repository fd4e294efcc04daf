#include "colortool/ui/TintaraWindow.h"
#include "GuiTestSupport.h"
#include "colortool/ColorSchemeFile.h"
#include "colortool/ui/ClipboardWindow.h"
#include "colortool/ui/CompletingCombo.h"
#include "colortool/ui/PaletteBox.h"
#include "colortool/ui/SchemeSaveWindow.h"
#include "core/ColorToolFixture.h"
#include "editor/ui/ColorToolWiring.h"
#include "editor/ui/ColorWorkbench.h"
#include "editor/ui/MainWindow.h"
#include "platform/ui/ColorSwatch.h"
#include "support/ui/cToolTip.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

namespace {
struct TintaraTest : ColorToolTest {
    std::unique_ptr<TintaraWindow> tool;
    TintaraTest() {
        write("StartUpColors", "\"FF0000\"\r\n\"00FF00\"\r\n");
        write("ListBoxColorNames.txt", "aqua,0x00FFFF\r\nazure,0xF0FFFF\r\nbeige,0xF5F5DC\r\n");
        write("UserDefColors.col", QByteArray("\"123456\"\r\n").repeated(14));
        // The main window's palette, read from that file at start.
        host.palette = LoadUserColors(dir.path());
        tool = std::make_unique<TintaraWindow>(document, host, ui, dir.path(), dir.path());
        tool->setAttribute(Qt::WA_DeleteOnClose, false);
        tool->show();
    }
    QString clip() const { return QApplication::clipboard()->text(); }
    PaletteBox* box(int k) const { return Control<PaletteBox>(*tool, "Picture1", k); }
    QLineEdit* channel(int i) const { return Control<QLineEdit>(*tool, "txtColValue", i); }
};
} // namespace

// The accessibility walk (Accessibility.EveryWindowNamesItsControls) covers
// the rest of the window's names. The switch takes every tip away, the plain
// ones and those of the window's tip managers.
TEST_F(TintaraTest, SwatchesNameTheirColourAndTheTipsSwitchOff) {
    EXPECT_EQ(box(1)->accessibleName(), "Chart color 2, #00FF00");
    EXPECT_EQ(box(34)->accessibleName(), "User color 14, #123456");

    // Every tip is the tool's own (cToolTip), none a plain one.
    const cToolTip& blue = tool->tipManager(TintaraWindow::kBlueTips);
    const cToolTip& plain = tool->tipManager(TintaraWindow::kPlainTips);
    EXPECT_EQ(plain.TipText(Control<PaletteBox>(*tool, "picColorSel")),
              "The Currently Active Color");
    EXPECT_FALSE(blue.TipText(Control<QSlider>(*tool, "Slide", 2)).isEmpty());
    for (QWidget* w : tool->centralWidget()->findChildren<QWidget*>())
        EXPECT_TRUE(w->toolTip().isEmpty()) << w->objectName().toStdString();
    Control<QCheckBox>(*tool, "Check1")->click();
    EXPECT_EQ(Control<QCheckBox>(*tool, "Check1")->text(), "Tool Tips - (OFF)");
    EXPECT_TRUE(plain.TipText(Control<PaletteBox>(*tool, "picColorSel")).isEmpty());
    EXPECT_TRUE(blue.TipText(Control<QSlider>(*tool, "Slide", 2)).isEmpty());
}

TEST_F(TintaraTest, KeysBoxesAndNamesReachTheColour) {
    QTest::mouseClick(box(1), Qt::LeftButton);
    EXPECT_EQ(Control<QPlainTextEdit>(*tool, "txtHexValue")->toPlainText(), "00FF00\nHex Value");
    EXPECT_EQ(clip(), "\"#00FF00\"");

    QLineEdit* red = channel(0);
    red->clear();
    QTest::keyClicks(red, "2a0x");
    EXPECT_EQ(red->text(), "20");
    QTest::keyClick(red, Qt::Key_Return);
    EXPECT_EQ(clip(), "20,255,0");
    QLineEdit* blue = channel(5);
    blue->clear();
    QTest::keyClicks(blue, "fA");
    EXPECT_EQ(blue->text(), "A");
    Control<QPushButton>(*tool, "cmdHexColVal")->click();
    EXPECT_EQ(blue->text(), "0A");
    EXPECT_EQ(clip(), "\"#14FF0A\"");
    Control<QSlider>(*tool, "Slide", 2)->setValue(255);
    EXPECT_EQ(Control<QLabel>(*tool, "lblSlide")->text(), "Hex Value (14FFFF)");
    EXPECT_EQ(Control<QLabel>(*tool, "lblRGB", 2)->text(), "255");

    // Typing completes from the second entry on and selects the rest.
    auto* names = Control<CompletingCombo>(*tool, "Combo1");
    names->setFocus();
    QTest::keyClicks(names, "a");
    QLineEdit* edit = names->lineEdit();
    EXPECT_EQ(edit->text(), "azure");
    EXPECT_EQ(edit->selectedText(), "zure");
    QTest::keyClick(names, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "a"); // Backspace does not complete
    QTest::keyClicks(names, "q");
    QTest::keyClick(names, Qt::Key_Return);
    EXPECT_EQ(clip(), "\"aqua\"");
    EXPECT_EQ(Control<PaletteBox>(*tool, "picColorSel")->color(), RgbColor(0, 255, 255));
}

TEST_F(TintaraTest, UserBoxesTakeTheColourAndReachThePalette) {
    QTest::mouseClick(box(0), Qt::LeftButton);
    QTest::mouseClick(box(3), Qt::RightButton, Qt::ShiftModifier);
    QTest::mouseClick(box(22), Qt::RightButton);
    EXPECT_EQ(box(22)->color(), RgbColor(0x12, 0x34, 0x56));
    box(22)->setFocus();
    QTest::keyClick(box(22), Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_EQ(box(22)->color(), RgbColor(255, 0, 0));
    QTest::keyClick(box(22), Qt::Key_Up);
    QTest::keyClick(tool->focusWidget(), Qt::Key_Left);
    EXPECT_EQ(tool->focusWidget(), box(14));
    EXPECT_EQ(host.palette[1], RgbColor(255, 0, 0));
}

TEST_F(TintaraTest, SchemeWindowExportsAndBringsTheToolBack) {
    Control<QAction>(*tool, "mnuExport")->trigger();
    SchemeSaveWindow* schemes = tool->schemeWindow();
    ASSERT_NE(schemes, nullptr);
    EXPECT_FALSE(tool->isVisible());
    EXPECT_TRUE(Control<QRadioButton>(*schemes, "optOpenSave", 1)->isChecked());
    EXPECT_EQ(Control<CompletingCombo>(*schemes, "Combo1")->entries(),
              QStringList{"UserDefColors.col"});
    Control<CompletingCombo>(*schemes, "Combo1")->setFocus();
    QTest::keyClicks(Control<CompletingCombo>(*schemes, "Combo1"), "Sea.x");
    EXPECT_EQ(Control<CompletingCombo>(*schemes, "Combo1")->currentText(), "Seax");
    Control<QPushButton>(*schemes, "cmdSave")->click();
    EXPECT_EQ(read("Seax.col"), QByteArray("\"123456\"\r\n").repeated(14));
    EXPECT_TRUE(RunEventsUntil([&] { return tool->isVisible(); }));
    EXPECT_TRUE(tool->schemeWindow() == nullptr || !tool->schemeWindow()->isVisible());

    Control<QLabel>(*tool, "lblShowCB")->linkActivated("clipboard");
    ClipboardWindow* view = tool->clipboardWindow();
    ASSERT_NE(view, nullptr);
    QApplication::clipboard()->setText("\"#ABCDEF\"");
    EXPECT_TRUE(RunEventsUntil([&] { return view->shownText() == "\"#ABCDEF\""; }));
}

// Choosing a scheme imports that scheme, not another whose name begins with
// it; imported colours stay in the tool opened again.
TEST_F(TintaraTest, ChosenSchemeIsTheOneImportedAndStaysAfterReopening) {
    write("Sea.col", QByteArray("\"0000AA\"\r\n").repeated(14));
    write("Sea.COL.col", QByteArray("\"BB0000\"\r\n").repeated(14));
    write("Autumn.col", QByteArray("\"00CC00\"\r\n").repeated(14));
    write("Autumn.col.col", QByteArray("\"DDDDDD\"\r\n").repeated(14));
    Control<QAction>(*tool, "mnuImport")->trigger();
    SchemeSaveWindow* schemes = tool->schemeWindow();
    ASSERT_NE(schemes, nullptr);
    for (const QString name : {"Sea.col", "Autumn.col"}) {
        const int at = Control<CompletingCombo>(*schemes, "Combo1")->entries().indexOf(name);
        ASSERT_GE(at, 0);
        Control<CompletingCombo>(*schemes, "Combo1")->setCurrentIndex(at);
        emit Control<CompletingCombo>(*schemes, "Combo1")->activated(at);
        EXPECT_EQ(Control<CompletingCombo>(*schemes, "Combo1")->currentText(), name);
    }
    Control<CompletingCombo>(*schemes, "Combo1")->setEditText("Sea.col");
    Control<QPushButton>(*schemes, "cmdOpen")->click();
    EXPECT_EQ(host.palette[0], RgbColor(0, 0, 0xAA));

    // Opened again, the tool shows the palette, not the file left unchanged.
    tool.reset();
    tool = std::make_unique<TintaraWindow>(document, host, ui, dir.path(), dir.path());
    EXPECT_EQ(box(21)->color(), RgbColor(0, 0, 0xAA));
}

TEST(TintaraFromMainWindow, CaptionColourGoesBackThroughSelectedOk) {
    ScriptedPrompter ui;
    MainWindow form(ui);
    ConnectColorTool(form);
    SlideShowProject& p = form.project();
    p.tool.UseColorTool = true;
    p.settings.CaptionForeColor = RgbColor(1, 2, 3);
    emit form.ui.cmdCapForeColor->clicked();
    auto* tool = form.findChild<TintaraWindow*>();
    ASSERT_NE(tool, nullptr);
    EXPECT_TRUE(tool->isVisible());
    EXPECT_EQ(Control<QPlainTextEdit>(*tool, "txtHexValue")->toPlainText(), "010203\nHex Value");
    for (int c = 0; c < 3; ++c) {
        Control<QLineEdit>(*tool, "txtColValue", c)->clear();
        QTest::keyClicks(Control<QLineEdit>(*tool, "txtColValue", c), c == 0   ? "200"
                                                                      : c == 1 ? "2"
                                                                               : "3");
    }
    Control<QPushButton>(*tool, "cmdDecColVal")->click();
    // The main window activated while the tool is still open keeps the
    // target: the colour has not come back yet.
    emit form.activated();
    EXPECT_TRUE(p.flags.PickingCapForeColor);
    Control<QPushButton>(*tool, "cmdExit")->click();
    EXPECT_EQ(form.ui.picCapForeColor->color(), RgbColor(200, 2, 3));
    EXPECT_EQ(form.CaptionBoxForeColor(), RgbColor(200, 2, 3));
    form.colors().windowActivated();
    EXPECT_FALSE(p.flags.PickingCapForeColor);
    EXPECT_EQ(p.slot(0).CapForeColor, "&H0302C8");
}
