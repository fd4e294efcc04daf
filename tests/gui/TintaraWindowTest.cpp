#include "GuiTestSupport.h"
#include "colortool/ColorSchemeFile.h"
#include "colortool/ui/ClipboardWindow.h"
#include "colortool/ui/CompletingCombo.h"
#include "colortool/ui/PaletteBox.h"
#include "colortool/ui/frmMyColorChart.h"
#include "colortool/ui/frmSavetxt.h"
#include "core/ColorToolFixture.h"
#include "editor/ui/ColorToolWiring.h"
#include "editor/ui/ColorWorkbench.h"
#include "editor/ui/Form1.h"
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
struct TintaraWindow : ColorToolTest {
    std::unique_ptr<frmMyColorChart> tool;
    TintaraWindow() {
        write("StartUpColors", "\"FF0000\"\r\n\"00FF00\"\r\n");
        write("ListBoxColorNames.txt", "aqua,0x00FFFF\r\nazure,0xF0FFFF\r\nbeige,0xF5F5DC\r\n");
        write("UserDefColors.col", QByteArray("\"123456\"\r\n").repeated(14));
        // The main window's palette, read from that file at start.
        host.palette = LoadUserColors(dir.path());
        tool = std::make_unique<frmMyColorChart>(project, host, ui, dir.path(), dir.path());
        tool->setAttribute(Qt::WA_DeleteOnClose, false);
        tool->show();
    }
    QString clip() const { return QApplication::clipboard()->text(); }
};
} // namespace

// The accessibility walk (Accessibility.EveryWindowNamesItsControls) covers
// the rest of the window's names. The switch takes every tip away, the plain
// ones and those of the window's tip managers.
TEST_F(TintaraWindow, SwatchesNameTheirColourAndTheTipsSwitchOff) {
    EXPECT_EQ(tool->ui.Picture1[1]->accessibleName(), "Chart color 2, #00FF00");
    EXPECT_EQ(tool->ui.Picture1[34]->accessibleName(), "User color 14, #123456");

    // Every tip is the tool's own (cToolTip), none a plain one.
    const cToolTip& blue = tool->tipManager(frmMyColorChart::kBlueTips);
    const cToolTip& plain = tool->tipManager(frmMyColorChart::kPlainTips);
    EXPECT_EQ(plain.TipText(tool->ui.picColorSel), "The Currently Active Color");
    EXPECT_FALSE(blue.TipText(tool->ui.Slide[2]).isEmpty());
    for (QWidget* w : tool->centralWidget()->findChildren<QWidget*>())
        EXPECT_TRUE(w->toolTip().isEmpty()) << w->objectName().toStdString();
    tool->ui.Check1->click();
    EXPECT_EQ(tool->ui.Check1->text(), "Tool Tips - (OFF)");
    EXPECT_TRUE(plain.TipText(tool->ui.picColorSel).isEmpty());
    EXPECT_TRUE(blue.TipText(tool->ui.Slide[2]).isEmpty());
}

TEST_F(TintaraWindow, KeysBoxesAndNamesReachTheColour) {
    QTest::mouseClick(tool->ui.Picture1[1], Qt::LeftButton);
    EXPECT_EQ(tool->ui.txtHexValue->toPlainText(), "00FF00\nHex Value");
    EXPECT_EQ(clip(), "\"#00FF00\"");

    QLineEdit* red = tool->ui.txtColValue[0];
    red->clear();
    QTest::keyClicks(red, "2a0x");
    EXPECT_EQ(red->text(), "20");
    QTest::keyClick(red, Qt::Key_Return);
    EXPECT_EQ(clip(), "20,255,0");
    QLineEdit* blue = tool->ui.txtColValue[5];
    blue->clear();
    QTest::keyClicks(blue, "fA");
    EXPECT_EQ(blue->text(), "A");
    tool->ui.cmdHexColVal->click();
    EXPECT_EQ(blue->text(), "0A");
    EXPECT_EQ(clip(), "\"#14FF0A\"");
    tool->ui.Slide[2]->setValue(255);
    EXPECT_EQ(tool->ui.lblSlide->text(), "Hex Value (14FFFF)");
    EXPECT_EQ(tool->ui.lblRGB[2]->text(), "255");

    // Typing completes from the second entry on and selects the rest.
    tool->ui.Combo1->setFocus();
    QTest::keyClicks(tool->ui.Combo1, "a");
    QLineEdit* edit = tool->ui.Combo1->lineEdit();
    EXPECT_EQ(edit->text(), "azure");
    EXPECT_EQ(edit->selectedText(), "zure");
    QTest::keyClick(tool->ui.Combo1, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "a"); // Backspace does not complete
    QTest::keyClicks(tool->ui.Combo1, "q");
    QTest::keyClick(tool->ui.Combo1, Qt::Key_Return);
    EXPECT_EQ(clip(), "\"aqua\"");
    EXPECT_EQ(tool->ui.picColorSel->color(), RgbColor(0, 255, 255));
}

TEST_F(TintaraWindow, UserBoxesTakeTheColourAndReachThePalette) {
    QTest::mouseClick(tool->ui.Picture1[0], Qt::LeftButton);
    QTest::mouseClick(tool->ui.Picture1[3], Qt::RightButton, Qt::ShiftModifier);
    QTest::mouseClick(tool->ui.Picture1[22], Qt::RightButton);
    EXPECT_EQ(tool->ui.Picture1[22]->color(), RgbColor(0x12, 0x34, 0x56));
    tool->ui.Picture1[22]->setFocus();
    QTest::keyClick(tool->ui.Picture1[22], Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_EQ(tool->ui.Picture1[22]->color(), RgbColor(255, 0, 0));
    QTest::keyClick(tool->ui.Picture1[22], Qt::Key_Up);
    QTest::keyClick(tool->focusWidget(), Qt::Key_Left);
    EXPECT_EQ(tool->focusWidget(), tool->ui.Picture1[14]);
    EXPECT_EQ(host.palette[1], RgbColor(255, 0, 0));
}

TEST_F(TintaraWindow, SchemeWindowExportsAndBringsTheToolBack) {
    tool->ui.mnuExport->trigger();
    frmSavetxt* schemes = tool->schemeWindow();
    ASSERT_NE(schemes, nullptr);
    EXPECT_FALSE(tool->isVisible());
    EXPECT_TRUE(schemes->optOpenSave[1]->isChecked());
    EXPECT_EQ(schemes->Combo1->entries(), QStringList{"UserDefColors.col"});
    schemes->Combo1->setFocus();
    QTest::keyClicks(schemes->Combo1, "Sea.x");
    EXPECT_EQ(schemes->Combo1->currentText(), "Seax");
    schemes->cmdSave->click();
    EXPECT_EQ(read("Seax.col"), QByteArray("\"123456\"\r\n").repeated(14));
    EXPECT_TRUE(RunEventsUntil([&] { return tool->isVisible(); }));
    EXPECT_TRUE(tool->schemeWindow() == nullptr || !tool->schemeWindow()->isVisible());

    tool->ui.lblShowCB->linkActivated("clipboard");
    ClipboardWindow* view = tool->clipboardWindow();
    ASSERT_NE(view, nullptr);
    QApplication::clipboard()->setText("\"#ABCDEF\"");
    EXPECT_TRUE(RunEventsUntil([&] { return view->shownText() == "\"#ABCDEF\""; }));
}

// Choosing a scheme imports that scheme, not another whose name begins with
// it; imported colours stay in the tool opened again.
TEST_F(TintaraWindow, ChosenSchemeIsTheOneImportedAndStaysAfterReopening) {
    write("Sea.col", QByteArray("\"0000AA\"\r\n").repeated(14));
    write("Sea.COL.col", QByteArray("\"BB0000\"\r\n").repeated(14));
    write("Autumn.col", QByteArray("\"00CC00\"\r\n").repeated(14));
    write("Autumn.col.col", QByteArray("\"DDDDDD\"\r\n").repeated(14));
    tool->ui.mnuImport->trigger();
    frmSavetxt* schemes = tool->schemeWindow();
    ASSERT_NE(schemes, nullptr);
    for (const QString name : {"Sea.col", "Autumn.col"}) {
        const int at = schemes->Combo1->entries().indexOf(name);
        ASSERT_GE(at, 0);
        schemes->Combo1->setCurrentIndex(at);
        emit schemes->Combo1->activated(at);
        EXPECT_EQ(schemes->Combo1->currentText(), name);
    }
    schemes->Combo1->setEditText("Sea.col");
    schemes->cmdOpen->click();
    EXPECT_EQ(host.palette[0], RgbColor(0, 0, 0xAA));

    // Opened again, the tool shows the palette, not the file left unchanged.
    tool.reset();
    tool = std::make_unique<frmMyColorChart>(project, host, ui, dir.path(), dir.path());
    EXPECT_EQ(tool->ui.Picture1[21]->color(), RgbColor(0, 0, 0xAA));
}

TEST(TintaraFromMainWindow, CaptionColourGoesBackThroughSelectedOk) {
    ScriptedPrompter ui;
    Form1 form(ui);
    ConnectColorTool(form);
    SlideShowProject& p = form.project();
    p.tool.UseColorTool = true;
    p.settings.CaptionForeColor = RgbColor(1, 2, 3);
    emit form.ui.cmdCapForeColor->clicked();
    auto* tool = form.findChild<frmMyColorChart*>();
    ASSERT_NE(tool, nullptr);
    EXPECT_TRUE(tool->isVisible());
    EXPECT_EQ(tool->ui.txtHexValue->toPlainText(), "010203\nHex Value");
    for (int c = 0; c < 3; ++c) {
        tool->ui.txtColValue[std::size_t(c)]->clear();
        QTest::keyClicks(tool->ui.txtColValue[std::size_t(c)], c == 0 ? "200" : c == 1 ? "2" : "3");
    }
    tool->ui.cmdDecColVal->click();
    // The main window activated while the tool is still open keeps the
    // target: the colour has not come back yet.
    emit form.activated();
    EXPECT_TRUE(p.flags.PickingCapForeColor);
    tool->ui.cmdExit->click();
    EXPECT_EQ(form.ui.picCapForeColor->color(), RgbColor(200, 2, 3));
    EXPECT_EQ(form.CaptionBoxForeColor(), RgbColor(200, 2, 3));
    form.colors().Form_Activate();
    EXPECT_FALSE(p.flags.PickingCapForeColor);
    EXPECT_EQ(p.slot(0).CapForeColor, "&H0302C8");
}
