// The colour tool's tooltip switch and the tips it turns on and off.
#include "colortool/ui/CompletingCombo.h"
#include "colortool/ui/PaletteBox.h"
#include "colortool/ui/TintaraWindow.h"
#include "support/ui/cToolTip.h"
#include "ui_TintaraWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <array>
#include <optional>

namespace {
// Tips of several lines keep their line breaks.
QString Lines(const char* text) {
    return QString::fromLatin1(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

const char* const kUserBoxTip =
    "  To Add your own Custom Colors to these Boxes\r\n\r\nHold Down the Shift Key and Right "
    "Click your mouse button\r\n\r\nThis box color will be the color of the 'Color you "
    "Selected' Box\r\n\r\nYou can change the color of the 'Users Special Color' Boxes at any "
    "Time.\r\n\r\nThe Users Special Colors are saved when any changes occur.";
const char* const kMoreColorsTip =
    "Colors, colors and more colors...\r\n\r\n\r\n   Just Show Me the Colors...";
const char* const kSliderTip =
    "Use Either the Middle Bar \r\n\r\nor the End Arrows < >\r\n\r\nTo Change the Value";
const char* const kFontTip =
    "Changes the    font \r\nof the  Slider display label.\r\n\r\nHex Value (FFFFFF)";
// The managers' looks, in the order of TipManager; each shows a tip after
// 300 ms of hovering, for 20 seconds at most.
struct ManagerLook {
    std::optional<ColorValue> back, text;
    std::optional<qint32> width;
    qint32 style;
};
const std::array<ManagerLook, 7> kManagerLooks{{
    {std::nullopt, std::nullopt, std::nullopt, kRectangleTip}, // user boxes
    {0x0000FF, 0x00FFFF, 75, kBalloonTip},                     // red slider
    {0x00FF00, 0x000000, 75, kBalloonTip},                     // green slider
    {0xFF0000, 0xFFFFFF, 75, kBalloonTip},                     // blue slider
    {0x000000, 0x00FFFF, 75, kBalloonTip},                     // font button
    {0x0000FF, 0x00FFFF, 50, kBalloonTip},                     // more colours
    {std::nullopt, std::nullopt, std::nullopt, kRectangleTip}, // the one-line tips
}};
} // namespace

void TintaraWindow::makeTipManagers() {
    for (std::size_t i = 0; i < tipManagers.size(); ++i) {
        const ManagerLook& l = kManagerLooks[i];
        ToolTipLook look;
        look.BkColor = l.back.value_or(look.BkColor);
        look.TxtColor = l.text.value_or(look.TxtColor);
        look.TipWidth = l.width.value_or(look.TipWidth);
        look.Style = l.style;
        look.DelayTime = 300;
        look.VisibleTime = 20000;
        tipManagers[i] = new cToolTip(this);
        tipManagers[i]->setLook(look);
    }
}

void TintaraWindow::switchToolTips() {
    const bool on = ui->Check1->isChecked();
    ui->Check1->setText(on ? QStringLiteral("Tool Tips - (ON)")
                           : QStringLiteral("Tool Tips - (OFF)"));
    // Every tip is drawn by the tool's own managers, as on the main window.
    const auto tip = [this, on](QWidget* w, const QString& text) {
        tipManager(kPlainTips).SetToolTipObj(w, on ? text : QString());
    };
    tip(ui->Check1, QStringLiteral("v/ all tool tips are Activated"));
    // Switched off, a manager's tips are registered again with no text.
    const auto managed = [this, on](TipManager m, QWidget* w, const char* text) {
        tipManager(m).SetToolTipObj(w, on ? Lines(text) : QString());
    };
    for (int k = 0; k < ColorChart::kBoxes; ++k) {
        QWidget* box = boxes[static_cast<std::size_t>(k)];
        if (k < ColorChart::kChartBoxes)
            tip(box, QStringLiteral("Click to Select (Activate) this Color!"));
        else
            managed(kUserBoxTips, box, kUserBoxTip);
    }
    managed(kMoreColorsTips, ui->cmdShowMeColors, kMoreColorsTip);
    tip(ui->picColorSel, QStringLiteral("The Currently Active Color"));
    tip(ui->txtHexValue, QStringLiteral("The Hexadecimal Value of the Color"));
    tip(ui->txtDecValue, QStringLiteral("The Decimal Value of the Color"));
    for (std::size_t i = 0; i < 6; ++i)
        tip(channelBoxes[i], i < 3 ? QStringLiteral("Enter in a Number from 0 To 255")
                                   : QStringLiteral("Enter in a Hex Number from 0 To FF "
                                                    "(Upper Case Only)"));
    for (QLabel* number : sliderNumbers)
        tip(number, QStringLiteral("Shows the Decimal value."));
    tip(ui->cmdDecColVal, QStringLiteral("Type in Numbers from 0 To 255 then Click to Show and "
                                         "Activate this Color"));
    tip(ui->cmdHexColVal, QStringLiteral("Type in Numbers (Hex) from 0 To FF (Upper Case) then "
                                         "Click to Show and Activate this Color"));
    for (std::size_t i = 0; i < sliders.size(); ++i)
        managed(static_cast<TipManager>(kRedTips + i), sliders[i], kSliderTip);
    tip(ui->lblShowCB, QStringLiteral("Click to Show ClipBoard"));
    tip(ui->Combo1, QStringLiteral("Click in this box to Activate Name Shown"));
    managed(kBlackTips, ui->cmdFont, kFontTip);
}
