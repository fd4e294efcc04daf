#pragma once

#include "project/ColorValue.h"

#include <QString>
#include <QtGlobal>

class QSettings;
struct ShowSettings;
struct ToolPreferences;

// The show-wide preferences are kept in the user's settings of organisation
// "Pevrano", application "Settings": HKCU\Software\Pevrano\Settings on
// Windows, ~/.config/Pevrano/Settings.conf here. Every value is text:
// "True"/"False", decimal numbers, and colours as "&H" + BBGGRR.
inline constexpr char kSettingsOrganization[] = "Pevrano";
inline constexpr char kSettingsApplication[] = "Settings";

// The main window's controls that show stored values, as reading and saving
// the settings sees them. The colour swatches bound to ShowSettings repaint
// through refreshColorBoxes.
class SettingsControls {
public:
    virtual ~SettingsControls() = default;

    // optBakPicColorOrPic: 0 background colours, 1 background pictures.
    virtual void selectBackgroundMode(int index) = 0;
    // optFullOrCondTintara: 0 the colour tool, 1 the system colour dialog.
    virtual void selectColorChooser(int index) = 0;
    virtual bool colorToolSelected() const = 0;
    // ckToolTips; ticking it runs the tooltip switch.
    virtual void tickToolTips(bool on) = 0;
    virtual bool toolTipsTicked() const = 0;
    // Check1, through its own handler (which sets SoundOn).
    virtual void tickSound(bool on) = 0;
    virtual bool soundTicked() const = 0;
    // VScrollSec and txtPicTimeSec; false when the scroll bar refuses it.
    virtual bool showDelay(qint16 seconds) = 0;
    // txtCaption's text and back colours.
    virtual void showCaptionForeColor(ColorValue color) = 0;
    virtual void showCaptionBackColor(ColorValue color) = 0;
    virtual ColorValue captionBoxBackColor() const = 0;
    // lblNewBkGnd.
    virtual void showNewBackgroundColor(ColorValue color) = 0;
    virtual ColorValue newBackgroundColor() const = 0;
    virtual void refreshColorBoxes() = 0;
};

// Reads the 24 values: the show values that new shows take from here
// (kShowValues with a stored key), the tool preferences (kToolPreferences)
// and the button colours; then the options window's compile choices
// (CompileChoices.h); then shows them in the controls.
// An absent value reads as empty and takes its default, and so does a value
// that cannot be read (a colour that is no number, a number out of its range
// or one the control refuses). The default opening picture and the song
// folder's default come from the two folders.
void ReadInSettings(QSettings& store, ShowSettings& settings, ToolPreferences& tool,
                    SettingsControls& controls, const QString& programFolder,
                    const QString& homeFolder);

// Writes the 24 values and the compile choices and flushes them to disk. False when they could not
// be written (the settings folder or file is not writable).
bool SaveFormSettings(QSettings& store, const ShowSettings& settings, const ToolPreferences& tool,
                      const SettingsControls& controls);
