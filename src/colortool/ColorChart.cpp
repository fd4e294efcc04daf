#include "colortool/ColorChart.h"

#include "colortool/ChannelEntry.h"
#include "colortool/ColorHandBack.h"
#include "colortool/ColorSchemeFile.h"
#include "colortool/ColorToolHost.h"
#include "colortool/ListSearch.h"
#include "document/ShowDocument.h"
#include "platform/Prompter.h"
#include "project/SlideShowProject.h"

#include <QDir>

inline const QString kChartColorsFile = QStringLiteral("StartUpColors");

ColorChart::ColorChart(ShowDocument& document, ColorToolHost& host, Prompter& ui,
                       QString programFolder, QString dataFolder)
    : document(document), host(host), ui(ui), programFolder(std::move(programFolder)),
      folder(std::move(dataFolder)) {}

namespace {
// A colour file's records; the boxes a missing or short file does not fill,
// and records that are no colour, show the window-face colour.
template <std::size_t N>
void ReadBoxes(const QString& path, std::array<ColorValue, N>& boxes, std::size_t first,
               std::size_t count) {
    const ColorSchemeRead read = ReadColorScheme(path, static_cast<int>(count));
    for (std::size_t k = 0; k < count; ++k)
        boxes[first + k] = read.colors.value(static_cast<qsizetype>(k)).value_or(kWindowFaceColor);
}
} // namespace

void ColorChart::Load() {
    UserColorsChanged = false;
    SelectedOK = false;
    LoadColors();
    if (const auto preset = PresetColor(document.show(), boxes[kChartBoxes])) {
        // Only the two value views follow the preset; the channel boxes and
        // sliders keep chart box 0 until the next colour action.
        active = *preset;
        showActiveColor();
    }
}

void ColorChart::LoadColors() {
    const QDir program(programFolder);
    ReadBoxes(program.filePath(kChartColorsFile), boxes, 0, kChartBoxes);
    // The user boxes mirror the main window's palette, which holds colours
    // imported since the program started; the file holds what was saved.
    for (int k = 0; k < kUserBoxes; ++k)
        boxes[static_cast<std::size_t>(kChartBoxes + k)] = host.paletteColor(k);
    named = ReadNamedColors(program.filePath(kNamedColorsFile));
    pressBox(0, Press::Left);
}

void ColorChart::pressBox(int box, Press press) {
    if (box < 0 || box >= kBoxes)
        return;
    if (press == Press::ShiftRight && box >= kChartBoxes) {
        setUserColor(box - kChartBoxes, active);
        UserColorsChanged = true;
        showActiveColor();
    } else if (press == Press::Left) {
        active = boxes[static_cast<std::size_t>(box)];
        ShowColorsInHexDecTextBoxes();
        showActiveColor();
    }
}

void ColorChart::setUserColor(int k, ColorValue color) {
    if (k < 0 || k >= kUserBoxes)
        return;
    boxes[static_cast<std::size_t>(kChartBoxes + k)] = color;
    host.setPaletteColor(k, color);
}

std::array<ColorValue, ColorChart::kUserBoxes> ColorChart::userColors() const {
    std::array<ColorValue, kUserBoxes> colors{};
    std::copy(boxes.begin() + kChartBoxes, boxes.end(), colors.begin());
    return colors;
}

void ColorChart::ShowColorsInHexDecTextBoxes() {
    const QString h = RgbHex(active);
    for (int c = 0; c < 3; ++c)
        channelText[static_cast<std::size_t>(3 + c)] = h.mid(2 * c, 2);
    for (int c = 0; c < 3; ++c) {
        const int value = h.mid(2 * c, 2).toInt(nullptr, 16);
        channelText[static_cast<std::size_t>(c)] = QString::number(value);
        // Moving a slider runs its change handler, which sets the active
        // colour from all three sliders and comes back here: after the third
        // channel everything agrees with h again.
        setSliderPosition(c, value);
    }
}

void ColorChart::showActiveColor() {
    const QString hex = RgbHex(active) + QStringLiteral("\nHex Value");
    decView = QString::number(active & 0xFFFFFF) + QStringLiteral("\nDecimal Value");
    if (hex != hexView) {
        hexView = hex;
        copyHexValue();
    }
}

void ColorChart::copyHexValue() {
    if (putOnClipboard)
        putOnClipboard(QStringLiteral("\"#") + hexView.left(6) + QLatin1Char('"'));
}

void ColorChart::setSliderPosition(int channel, int position) {
    if (channel < 0 || channel > 2)
        return;
    position = std::clamp(position, 0, 255);
    if (slider[static_cast<std::size_t>(channel)] == position)
        return;
    slider[static_cast<std::size_t>(channel)] = position;
    sliderMoved(channel);
}

void ColorChart::sliderMoved(int /*channel*/) {
    const int r = slider[0], g = slider[1], b = slider[2];
    sampleColor = RgbColor(r, g, b);
    active = sampleColor;
    sampleCaption = SampleCaption(sampleColor);
    sampleTextColor = SampleTextColor(r, g, b);
    showActiveColor();
    ShowColorsInHexDecTextBoxes();
}

void ColorChart::selectSliderColor() {
    active = sampleColor;
    showActiveColor();
}

void ColorChart::applyDecimalValues() {
    std::array<int, 3> v{};
    for (std::size_t c = 0; c < 3; ++c) {
        channelText[c] = CorrectedDecimalText(channelText[c]);
        v[c] = DecimalChannel(channelText[c]);
    }
    active = RgbColor(v[0], v[1], v[2]);
    showActiveColor();
    ShowColorsInHexDecTextBoxes();
    if (putOnClipboard)
        putOnClipboard(QStringLiteral("%1,%2,%3").arg(v[0]).arg(v[1]).arg(v[2]));
}

void ColorChart::applyHexValues() {
    for (std::size_t c = 3; c < 6; ++c)
        channelText[c] = CorrectedHexText(channelText[c]);
    active = RgbColor(channelText[3].toInt(nullptr, 16), channelText[4].toInt(nullptr, 16),
                      channelText[5].toInt(nullptr, 16));
    showActiveColor();
    ShowColorsInHexDecTextBoxes();
    copyHexValue();
}

void ColorChart::ApplyNamedColor(int index) {
    if (index < 0 || index >= named.values.size())
        return;
    if (const auto color = NamedColorValue(named.values.at(index))) {
        active = *color;
        showActiveColor();
        ShowColorsInHexDecTextBoxes();
    }
    if (putOnClipboard)
        putOnClipboard(QLatin1Char('"') + named.names.at(index) + QLatin1Char('"'));
}

int ColorChart::FindNamedColor(const QString& text) {
    const int index = FindListPrefix(named.names, text);
    if (index >= 0)
        ApplyNamedColor(index);
    else
        ui.inform(QStringLiteral("Sorry, but there is no match for '") + text +
                      QStringLiteral("'."),
                  QStringLiteral("Find Results"));
    showActiveColor();
    return index;
}

void ColorChart::chooseFromColorDialog() {
    if (const auto chosen = ui.chooseColor(active)) {
        active = *chosen & 0xFFFFFF;
        showActiveColor();
        ShowColorsInHexDecTextBoxes();
    }
}

bool ColorChart::chooseSampleFont() {
    // An empty font or size takes its default, kept even when the dialog is
    // cancelled; either way one step of the show.
    const ShowSettings& s = document.show().settings;
    QString family = s.FontInUse.isEmpty() ? QStringLiteral("MS Sans Serif") : s.FontInUse;
    QString size = s.FontSizeInUse.isEmpty() ? QStringLiteral("12") : s.FontSizeInUse;
    FontChoice initial;
    initial.family = family;
    initial.pointSize = size.toInt();
    const auto chosen = ui.chooseFont(initial);
    if (chosen) {
        family = chosen->family;
        size = QString::number(chosen->pointSize);
    }
    document.Change(EditKind::CaptionFont, [&family, &size](SlideShowProject& show) {
        show.settings.FontInUse = family;
        show.settings.FontSizeInUse = size;
    });
    if (!chosen)
        return false;
    sampleFontFamily = chosen->family;
    sampleFontSize = chosen->pointSize;
    host.setCaptionBoxFont(chosen->family, chosen->pointSize);
    if (putOnClipboard)
        putOnClipboard(chosen->family);
    return true;
}

bool ColorChart::finish() {
    if (!SelectedOK) {
        DropColorToolTargets(document.flags());
        return true;
    }
    bool saved = true;
    if (UserColorsChanged) {
        const QString path = QDir(folder).filePath(kUserColorsFile);
        saved = SaveUserColors(folder, userColors());
        if (saved)
            UserColorsChanged = false;
        else
            ui.inform(QStringLiteral("The Users Special Colors could not be saved to ") +
                          QDir::toNativeSeparators(path) + QLatin1Char('.'),
                      QStringLiteral("File Error"), MsgIcon::Critical);
    }
    HandBackColor(document, host, active);
    SelectedOK = false;
    return saved;
}
