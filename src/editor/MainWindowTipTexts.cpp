#include "editor/MainWindowTipTexts.h"

#include "project/ShowSettings.h"

namespace {
const QString kCrLf = QStringLiteral("\r\n");

// The lines every caption colour command's tip ends with.
QString ChooserLines() {
    return QStringLiteral("depending on your selection in the 'Display Color Form' ") + kCrLf +
           QStringLiteral(" either the (small)color dialog box ") + kCrLf +
           QStringLiteral("or (large)Tintara form.");
}
} // namespace

ToolTipLook ManagerLook(TipManager manager) {
    ToolTipLook look;
    look.DelayTime = 300;
    look.VisibleTime = 20000;
    switch (manager) {
    case TipManager::Palette:
        return look; // pale yellow, black text, 300 wide, rectangular
    case TipManager::Red:
        look.BkColor = 0x0000FF;
        look.TxtColor = 0x00FFFF;
        look.TipWidth = 50;
        break;
    case TipManager::Yellow:
        look.BkColor = 0x00FFFF;
        look.TipWidth = 100;
        break;
    case TipManager::Black:
        look.BkColor = 0x000000;
        look.TxtColor = 0x00FFFF;
        look.TipWidth = 100;
        break;
    case TipManager::Cyan:
        look.BkColor = 0xFFFF00;
        look.TipWidth = 100;
        break;
    }
    look.Style = kBalloonTip;
    return look;
}

QString TipsOnText() {
    return QStringLiteral("v/ all tool tips are Activated");
}

std::vector<ControlTip> PlainTips(const ShowSettings& s) {
    const QString skip = QString::number(s.AmountOfSlidesFFRev);
    return {
        {"lblAutoRun", -1, QStringLiteral("Click to activate and change the AutoRun time.")},
        {"picButBakColor", -1, QStringLiteral("Click to change my color to the Active color!")},
        {"picCapFrameColor", -1,
         QStringLiteral("Click to change the frame of the Caption to the Active color!")},
        {"picBackColorOrPic", 1, QStringLiteral("Background Picture(graphics) of Picture.")},
        {"picBackColorOrPic", 0,
         QStringLiteral("Click to change the Background Color of Picture to the Active color.")},
        {"cmdDeleteSong", -1, QStringLiteral("Removes background sound.")},
        {"Check1", -1, QStringLiteral("Turns sound on or off when a song is selected.")},
        {"cmdSelectSong", -1, QStringLiteral("Select an Mp3, Wav, or Midi file.")},
        {"optFullOrCondTintara", 1, QStringLiteral("Show Color Dialog box when selecting colors.")},
        {"optFullOrCondTintara", 0, QStringLiteral("Show Tintara form when selecting colors.")},
        {"optBakPicColorOrPic", 1,
         QStringLiteral("Click to show background pictures(graphics) for pictures.")},
        {"optBakPicColorOrPic", 0, QStringLiteral("Click to show background color for pictures.")},
        {"lblCaption", -1,
         QStringLiteral("Click on the Caption Frame color box to change this color.")},
        {"txtCaption", -1,
         QStringLiteral("Font=") + s.FontInUse + QStringLiteral("     Size=") + s.FontSizeInUse +
             QStringLiteral(" pt.")},
        {"picActiveColor", -1, QStringLiteral("Change your Picture colors with this Active Color")},
        {"lblPicNum", -1, QStringLiteral("Active Picture currently displayed.")},
        {"lblNumPicSel", -1, QStringLiteral("Total Number of Pictures you've selected so far.")},
        {"lblCaptionfrm", -1, QStringLiteral("Picture Captions")},
        {"cmdPicBakColorOrPic", 1, QStringLiteral("Select background Picture for the Picture.")},
        {"cmdPicBakColorOrPic", 0, QStringLiteral("Select background Color for the Picture.")},
        {"picCapBackColor", -1,
         QStringLiteral("Click to change the color of the background the Caption words are in to "
                        "the Active color.")},
        {"picCapForeColor", -1,
         QStringLiteral("Click to change the color of the words in the Caption text box to the "
                        "Active color.")},
        {"txtPicTimeSec", -1, QStringLiteral("Select Time in Seconds 3 to 59.")},
        {"cmdFB", 3, QStringLiteral("Back ") + skip + QStringLiteral(" Slides")},
        {"cmdFB", 1, QStringLiteral("Advance ") + skip + QStringLiteral(" Slides")},
        {"cmdFB", 4, QStringLiteral("Back 1 Slide ")},
        {"cmdFB", 0, QStringLiteral("Advance 1 Slide ")},
        {"cmdFB", 2, QStringLiteral("Starts and Stops Auto Run Mode... ")},
        {"cmdShowOptForm", -1, QStringLiteral("Brings up the Option form.")},
        {"cmdAdd", -1, QStringLiteral("Step 1. Add Picture(s)")},
        {"cmdAddCaption", -1, QStringLiteral("Type in a Caption then click me.")},
        {"cmdDelete", -1, QStringLiteral("Delete the Picture now viewing.")},
        {"cmdChangePic", -1, QStringLiteral("Replace the Picture now viewing.")},
        {"cmdFinish", -1, QStringLiteral("Make and compile my Slide Show.")},
        {"cmdAllImages", -1, QStringLiteral("Brings up the Sort Pictures form.")},
    };
}

std::vector<ManagedTip> ManagedTips() {
    const QString change = QStringLiteral("Change the Caption ");
    return {
        {TipManager::Palette,
         {"PicMFormColors", -1,
          QStringLiteral("Click to change the Active color box,") + kCrLf +
              QStringLiteral("(active color) to this color. ") + kCrLf +
              QStringLiteral(" Then click on any of the other colored boxes ") + kCrLf +
              QStringLiteral(" to change it with the active color. ") + kCrLf + kCrLf +
              QStringLiteral("Note: Your Active color in the lower left hand corner.")}},
        {TipManager::Black,
         {"cmdCapFrameColor", -1,
          change + QStringLiteral("frame color box(on left) to a specific color ") + kCrLf +
              ChooserLines()}},
        {TipManager::Cyan,
         {"cmdCapBackColor", -1,
          change + QStringLiteral("back color box(on left) to a specific color ") + kCrLf +
              ChooserLines()}},
        {TipManager::Yellow,
         {"cmdCapForeColor", -1,
          QStringLiteral("Change fore color box(on left) and Caption to a specific color ") +
              kCrLf + ChooserLines()}},
        {TipManager::Red,
         {"ShowCTform", -1,
          QStringLiteral("Brings up the Tintara form...") + kCrLf + kCrLf +
              QStringLiteral("Choose or make a custom Active color") + kCrLf +
              QStringLiteral(" or Change this whole color palette by ") + kCrLf +
              QStringLiteral("Importing a file or creating, saving and using your own custom "
                             "color file. ")}},
        {TipManager::Palette,
         {"cmdFont", -1,
          QStringLiteral("Change the Font of the Caption text in your") + kCrLf +
              QStringLiteral("compiled (finished) Html file.")}},
    };
}
