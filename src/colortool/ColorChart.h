#pragma once

#include "colortool/NamedColors.h"
#include "project/ColorValue.h"

#include <QString>
#include <array>
#include <functional>

class ColorToolHost;
class Prompter;
class ShowDocument;

// The colour tool Tintara without its widgets: the chart and user boxes, the
// active colour and every view of it, the channel boxes, the sliders and
// their sample, the named colours, and the hand-over with the main window.
// What it gives the show (the chosen colour, the sample font) is a step of
// the show's document at once.
// The window shows this state after each call and passes the user's input
// in; the clipboard is reached through `putOnClipboard`.
class ColorChart {
public:
    static constexpr int kChartBoxes = 21;
    static constexpr int kUserBoxes = 14;
    static constexpr int kBoxes = kChartBoxes + kUserBoxes;
    enum class Press { Left, ShiftRight, Other };

    // The chart colours and the colour names are read from programFolder,
    // the user colours from dataFolder, where they are also written.
    ColorChart(ShowDocument& document, ColorToolHost& host, Prompter& ui, QString programFolder,
               QString dataFolder);

    std::function<void(const QString&)> putOnClipboard;

    // Reads the files, activates chart box 0 and presets the
    // active colour for the pending target.
    void Load();
    void LoadColors();

    // A press on palette box k (Picture1 k).
    void pressBox(int box, Press press);
    void ShowColorsInHexDecTextBoxes();
    void showActiveColor();
    void copyHexValue();
    // Moving slider c to a position, as the window's slider does; its
    // change handler runs when the position really changes.
    void setSliderPosition(int channel, int position);
    void sliderMoved(int channel);
    void selectSliderColor();
    // The channel boxes' texts are set by the window before these run.
    void applyDecimalValues();
    void applyHexValues();
    // The named colour at a list position becomes the active colour and its
    // quoted name goes on the clipboard.
    void ApplyNamedColor(int index);
    // The name box's search (Combo1): finds the whole text; "Find Results" when nothing
    // matches. Returns the list position found, or -1.
    int FindNamedColor(const QString& text);
    void chooseFromColorDialog();
    // Returns whether a font was chosen.
    bool chooseSampleFont();

    // The close request: with SelectedOK, saves changed user colours and
    // hands the active colour to the pending target. Returns false when the
    // user colours could not be saved (the user was told).
    bool finish();
    // Replaces user box k (0..13) and the main window's palette box k.
    void setUserColor(int k, ColorValue color);
    std::array<ColorValue, kUserBoxes> userColors() const;

    // State the window shows.
    std::array<ColorValue, kBoxes> boxes{};
    ColorValue active = 0;                                // picColorSel
    QString hexView, decView;                             // txtHexValue, txtDecValue
    std::array<QString, 6> channelText{};                 // txtColValue 0..5
    std::array<int, 3> slider{};                          // Slide 0..2
    ColorValue sampleColor = 0;                           // lblSlide
    ColorValue sampleTextColor = RgbColor(255, 255, 255); // readable on the black start
    QString sampleCaption = QStringLiteral("Hex Value (000000)");
    QString sampleFontFamily;
    int sampleFontSize = 0;
    NamedColors named;
    bool UserColorsChanged = false;
    bool SelectedOK = false;

private:
    ShowDocument& document;
    ColorToolHost& host;
    Prompter& ui;
    QString programFolder;
    QString folder;
};
