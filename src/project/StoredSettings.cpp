#include "project/StoredSettings.h"

#include "project/ToolPreferences.h"

#include "project/ColorText.h"
#include "project/CompileChoices.h"
#include "project/ShowSettings.h"
#include "project/ShowValues.h"

#include <QDir>
#include <QLocale>
#include <QSettings>
#include <QStringList>
#include <QVariant>

#include <cmath>
#include <iterator>
#include <optional>
#include <type_traits>
#include <variant>

namespace {
const QString kTrue = QStringLiteral("True");
const QString kFalse = QStringLiteral("False");

QString BooleanText(bool value) {
    return value ? kTrue : kFalse;
}

// A value as text. A hand-edited line with an unquoted comma comes back from
// QSettings as a list; it is joined again rather than lost.
QString TextOf(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

std::optional<double> Number(const QString& text) {
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The nearest signed 16-bit integer, halves to the even neighbour; nullopt
// when it does not fit.
std::optional<qint16> WholeNumber(double value) {
    const double whole = std::nearbyint(value);
    if (whole < -32768 || whole > 32767)
        return std::nullopt;
    return static_cast<qint16>(whole);
}

// "&H" + up to eight hexadecimal digits (a trailing "&" allowed) or a decimal
// number; nullopt for anything else or for what no colour box takes.
std::optional<ColorValue> ColorFromText(QString text) {
    text = text.trimmed();
    if (text.endsWith(QLatin1Char('&')))
        text.chop(1);
    bool ok = false;
    qulonglong value = 0;
    if (text.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        const QString digits = text.mid(2);
        if (digits.isEmpty() || digits.size() > 8 || digits.startsWith(QLatin1Char('+')))
            return std::nullopt;
        value = digits.toULongLong(&ok, 16);
    } else {
        value = text.toULongLong(&ok, 10);
    }
    if (!ok || value > 0xFFFFFF)
        return std::nullopt;
    return static_cast<ColorValue>(value);
}

// One stored text as the value it holds; empty or unreadable text gives
// `fallback`. Switches are "True" or "False".
bool FromStored(const QString& text, bool fallback) {
    return text == kTrue || (text != kFalse && fallback);
}

QString FromStored(const QString& text, const QString& fallback) {
    return text.isEmpty() ? fallback : text;
}

ColorValue FromStored(const QString& text, ColorValue fallback) {
    return ColorFromText(text).value_or(fallback);
}

// A number outside low..high gives `fallback`; the range is checked before
// rounding: 2.6 is below 3.
qint16 FromStored(const QString& text, const ShowValue& value, qint16 fallback) {
    if (value.kind == ShowValueKind::OnOff)
        return FromStored(text, fallback == 1) ? 1 : 0;
    const auto number = Number(text);
    if (!number || *number < value.low || *number > value.high)
        return fallback;
    return WholeNumber(*number).value_or(fallback);
}

QString AsStored(bool value) {
    return BooleanText(value);
}

QString AsStored(const QString& value) {
    return value;
}

QString AsStored(ColorValue value) {
    return StoredColorText(value);
}

QString AsStored(qint16 value, const ShowValue& how) {
    return how.kind == ShowValueKind::OnOff ? BooleanText(value == 1) : QString::number(value);
}

QString StoredText(QSettings& store, const char* key) {
    return TextOf(store.value(QLatin1String(key)));
}

// The show values that new shows take from the user's settings.
void ReadShowValues(QSettings& store, ShowSettings& s, const ShowSettings& defaults) {
    for (const ShowValue& value : kShowValues) {
        if (!value.stored)
            continue;
        const QString text = StoredText(store, value.stored);
        std::visit(
            [&](auto field) {
                if constexpr (std::is_same_v<decltype(field), qint16 ShowSettings::*>)
                    s.*field = FromStored(text, value, defaults.*field);
                else
                    s.*field = FromStored(text, defaults.*field);
            },
            value.field);
    }
}

void ReadToolPreferences(QSettings& store, ToolPreferences& t, const ToolPreferences& defaults) {
    for (const ToolPreference& preference : kToolPreferences) {
        const QString text = StoredText(store, preference.stored);
        std::visit([&](auto field) { t.*field = FromStored(text, defaults.*field); },
                   preference.field);
    }
}

void SaveShowValues(QSettings& store, const ShowSettings& s) {
    for (const ShowValue& value : kShowValues) {
        if (!value.stored)
            continue;
        const QString text = std::visit(
            [&](auto field) {
                if constexpr (std::is_same_v<decltype(field), qint16 ShowSettings::*>)
                    return AsStored(s.*field, value);
                else
                    return AsStored(s.*field);
            },
            value.field);
        store.setValue(QLatin1String(value.stored), text);
    }
}

void SaveToolPreferences(QSettings& store, const ToolPreferences& t) {
    for (const ToolPreference& preference : kToolPreferences)
        store.setValue(
            QLatin1String(preference.stored),
            std::visit([&](auto field) { return AsStored(t.*field); }, preference.field));
}

// The options window's compile choices, after the 24 values: "True" or
// "False", or a whole number; anything else, or a number out of range, gives
// the choice's default.
void ReadCompileChoices(QSettings& store, ShowSettings& s) {
    // A choice never stored starts as a new show in the window has it.
    ShowSettings defaults;
    SetNewShowChoices(defaults);
    for (const CompileChoice& choice : kCompileChoices) {
        const QString text = TextOf(store.value(QLatin1String(choice.name))).trimmed();
        if (const auto* flag = std::get_if<bool ShowSettings::*>(&choice.field)) {
            s.** flag = FromStored(text, defaults.**flag);
            continue;
        }
        const auto field = std::get<qint16 ShowSettings::*>(choice.field);
        const auto value = Number(text);
        const auto whole = value ? WholeNumber(*value) : std::nullopt;
        s.*field =
            whole && *whole >= choice.low && *whole <= choice.high ? *whole : defaults.*field;
    }
}

void SaveCompileChoices(QSettings& store, const ShowSettings& s) {
    for (const CompileChoice& choice : kCompileChoices) {
        const QString name = QLatin1String(choice.name);
        if (const auto* flag = std::get_if<bool ShowSettings::*>(&choice.field))
            store.setValue(name, AsStored(s.**flag));
        else
            store.setValue(name,
                           QString::number(s.*std::get<qint16 ShowSettings::*>(choice.field)));
    }
}

const QString kButtonNames[] = {
    QStringLiteral("ForwardButton"), QStringLiteral("FastForwardButton"),
    QStringLiteral("AutoRunButton"), QStringLiteral("RewindButton"), QStringLiteral("BackButton")};
} // namespace

void ReadInSettings(QSettings& store, ShowSettings& s, ToolPreferences& t, SettingsControls& c,
                    const QString& programFolder, const QString& homeFolder) {
    ShowSettings defaults;
    defaults.OpenPgBkPic =
        QDir::toNativeSeparators(QDir(programFolder).filePath(QStringLiteral("wood.gif")));
    ReadShowValues(store, s, defaults);
    ReadToolPreferences(store, t, ToolPreferences::FirstStart(homeFolder));
    for (std::size_t i = 0; i < std::size(kButtonNames); ++i)
        s.ButtonColors[i] =
            FromStored(TextOf(store.value(kButtonNames[i])), defaults.ButtonColors[i]);
    ReadCompileChoices(store, s);

    c.selectBackgroundMode(s.UseColTrueUsePicFalse ? 0 : 1);
    c.tickToolTips(t.ToolTipsOn);
    c.tickSound(t.SoundOn);
    c.selectColorChooser(t.UseColorTool ? 0 : 1);
    // A delay the scroll bar refuses gives the default.
    if (!c.showDelay(s.NumSecDelay)) {
        s.NumSecDelay = defaults.NumSecDelay;
        c.showDelay(s.NumSecDelay);
    }
    c.showCaptionForeColor(s.CaptionForeColor);
    c.showCaptionBackColor(s.CaptionBackColor);
    c.showNewBackgroundColor(s.NewSlideBackColor);
    c.refreshColorBoxes();
}

bool SaveFormSettings(QSettings& store, const ShowSettings& s, const ToolPreferences& t,
                      const SettingsControls& c) {
    // The controls not bound to the model hold the values to keep.
    ShowSettings shown = s;
    shown.CaptionBackColor = c.captionBoxBackColor();
    shown.NewSlideBackColor = c.newBackgroundColor();
    ToolPreferences ticked = t;
    ticked.UseColorTool = c.colorToolSelected();
    ticked.ToolTipsOn = c.toolTipsTicked();
    ticked.SoundOn = c.soundTicked();
    SaveShowValues(store, shown);
    SaveToolPreferences(store, ticked);
    for (int i = 4; i >= 0; --i)
        store.setValue(kButtonNames[i],
                       StoredColorText(s.ButtonColors[static_cast<std::size_t>(i)]));
    SaveCompileChoices(store, s);
    store.sync();
    // A file that could not be parsed is rewritten whole; only a failed
    // write counts.
    return store.status() != QSettings::AccessError;
}
