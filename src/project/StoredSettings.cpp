#include "project/StoredSettings.h"

#include "project/ToolPreferences.h"

#include "project/ColorText.h"
#include "project/CompileChoices.h"
#include "project/ShowLimits.h"
#include "project/ShowSettings.h"

#include <QDir>
#include <QLocale>
#include <QSettings>
#include <QStringList>
#include <QVariant>

#include <cmath>
#include <functional>
#include <optional>

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

using Apply = std::function<bool(const QString&)>;

// Reads one value and applies it. When it cannot be applied the text in hand
// is emptied and the value's remaining steps see empty text, which gives its
// default.
void Read(QSettings& store, const QString& name, const Apply& apply) {
    if (!apply(TextOf(store.value(name))))
        apply(QString());
}

// A colour value: empty text gives `fallback`; the model takes it, then
// `show` repaints the control that is not bound to the model.
Apply ColorStep(ColorValue& field, ColorValue fallback, SettingsControls& controls,
                std::function<void(ColorValue)> show = {}) {
    return [&field, fallback, &controls, show = std::move(show)](const QString& text) {
        const auto color = text.isEmpty() ? std::optional(fallback) : ColorFromText(text);
        if (!color)
            return false;
        field = *color;
        if (show)
            show(*color);
        controls.refreshColorBoxes();
        return true;
    };
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
            s.** flag = text == kTrue || (text != kFalse && defaults.**flag);
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
            store.setValue(name, BooleanText(s.**flag));
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
    Read(store, QStringLiteral("UseColTrueUsePicFalse"), [&](const QString& text) {
        s.UseColTrueUsePicFalse = text != kFalse;
        c.selectBackgroundMode(s.UseColTrueUsePicFalse ? 0 : 1);
        return true;
    });
    Read(store, QStringLiteral("ckToolTips"), [&](const QString& text) {
        t.ToolTipsOn = text != kFalse;
        c.tickToolTips(t.ToolTipsOn);
        return true;
    });
    Read(store, QStringLiteral("SameBkColorEverySlide"), [&](const QString& text) {
        s.SameBkColorEverySlide = text != kFalse;
        return true;
    });
    Read(store, QStringLiteral("Sound"), [&](const QString& text) {
        t.SoundOn = text == kTrue;
        c.tickSound(t.SoundOn);
        return true;
    });
    Read(store, QStringLiteral("optFullOrCondTintara"), [&](const QString& text) {
        t.UseColorTool = text.isEmpty() || text == kTrue;
        c.selectColorChooser(t.UseColorTool ? 0 : 1);
        return true;
    });
    Read(store, QStringLiteral("DirectoryLastOpenned"), [&](const QString& text) {
        t.DirectoryLastOpenned = text;
        return true;
    });
    Read(store, QStringLiteral("AmountOfSlidesFFRev"), [&](const QString& text) {
        auto amount = text.isEmpty() ? std::optional(3.0) : Number(text);
        if (!amount)
            return false;
        const auto whole = WholeNumber(*amount < kStoredSkipRange.low ? 3.0 : *amount);
        if (!whole)
            return false;
        s.AmountOfSlidesFFRev = *whole;
        return true;
    });
    Read(store, QStringLiteral("NumSecDelay"), [&](const QString& text) {
        auto seconds = text.isEmpty() ? std::optional(3.0) : Number(text);
        if (!seconds)
            return false;
        // The range is checked before rounding: 2.6 is below 3.
        const bool outside = *seconds < kStoredDelayRange.low || *seconds > kStoredDelayRange.high;
        const auto whole = WholeNumber(outside ? 3.0 : *seconds);
        if (!whole)
            return false;
        s.NumSecDelay = *whole;
        return c.showDelay(*whole);
    });
    Read(store, QStringLiteral("FontInUse"), [&](const QString& text) {
        s.FontInUse = text;
        return true;
    });
    Read(store, QStringLiteral("FontSizeInUse"), [&](const QString& text) {
        s.FontSizeInUse = text;
        return true;
    });
    Read(store, QStringLiteral("optIntBkImgOptionForm"), [&](const QString& text) {
        const auto value = text.isEmpty() ? std::optional(0.0) : Number(text);
        const auto whole = value ? WholeNumber(*value) : std::nullopt;
        // The options window has two such option buttons.
        if (!whole || (*whole != 0 && *whole != 1))
            return false;
        s.optIntBkImgOptionForm = *whole;
        return true;
    });
    Read(store, QStringLiteral("picCapForeColor"),
         ColorStep(s.CaptionForeColor, 0x000000, c,
                   [&c](ColorValue color) { c.showCaptionForeColor(color); }));
    Read(store, QStringLiteral("picCapFrameColor"), ColorStep(s.CaptionFrameColor, 0xFF99CC, c));
    Read(store, QStringLiteral("txtCaptionBackColor"),
         ColorStep(s.CaptionBackColor, 0xFFFF80, c,
                   [&c](ColorValue color) { c.showCaptionBackColor(color); }));
    Read(store, QStringLiteral("lblNewBkGnd"),
         ColorStep(s.NewSlideBackColor, 0xC100FF, c,
                   [&c](ColorValue color) { c.showNewBackgroundColor(color); }));
    Read(store, QStringLiteral("picActiveColor"), ColorStep(t.ActiveColor, 0xC100FF, c));
    const ColorValue buttonDefaults[] = {0x000000, 0xFF0000, 0x00FF00, 0xFF0000, 0x000000};
    for (int i = 4; i >= 0; --i)
        Read(store, kButtonNames[i],
             ColorStep(s.ButtonColors[static_cast<std::size_t>(i)], buttonDefaults[i], c));
    Read(store, QStringLiteral("OpenPgBkPic"), [&](const QString& text) {
        s.OpenPgBkPic =
            text.isEmpty()
                ? QDir::toNativeSeparators(QDir(programFolder).filePath(QStringLiteral("wood.gif")))
                : text;
        return true;
    });
    Read(store, QStringLiteral("MusicDir"), [&](const QString& text) {
        t.MusicDir = text.isEmpty() ? QDir::toNativeSeparators(homeFolder) : text;
        return true;
    });
    Read(store, QStringLiteral("Flashing"), [&](const QString& text) {
        s.Flashing = text == kFalse ? 0 : 1;
        return true;
    });
    ReadCompileChoices(store, s);
}

bool SaveFormSettings(QSettings& store, const ShowSettings& s, const ToolPreferences& t,
                      const SettingsControls& c) {
    const auto put = [&store](const QString& name, const QString& text) {
        store.setValue(name, text);
    };
    put(QStringLiteral("UseColTrueUsePicFalse"), BooleanText(s.UseColTrueUsePicFalse));
    put(QStringLiteral("optFullOrCondTintara"), BooleanText(c.colorToolSelected()));
    put(QStringLiteral("ckToolTips"), BooleanText(c.toolTipsTicked()));
    put(QStringLiteral("SameBkColorEverySlide"), BooleanText(s.SameBkColorEverySlide));
    put(QStringLiteral("DirectoryLastOpenned"), t.DirectoryLastOpenned);
    put(QStringLiteral("AmountOfSlidesFFRev"), QString::number(s.AmountOfSlidesFFRev));
    put(QStringLiteral("NumSecDelay"), QString::number(s.NumSecDelay));
    put(QStringLiteral("Sound"), BooleanText(c.soundTicked()));
    put(QStringLiteral("FontInUse"), s.FontInUse);
    put(QStringLiteral("FontSizeInUse"), s.FontSizeInUse);
    put(QStringLiteral("optIntBkImgOptionForm"), QString::number(s.optIntBkImgOptionForm));
    put(QStringLiteral("picCapForeColor"), StoredColorText(s.CaptionForeColor));
    put(QStringLiteral("picCapFrameColor"), StoredColorText(s.CaptionFrameColor));
    put(QStringLiteral("txtCaptionBackColor"), StoredColorText(c.captionBoxBackColor()));
    put(QStringLiteral("lblNewBkGnd"), StoredColorText(c.newBackgroundColor()));
    put(QStringLiteral("picActiveColor"), StoredColorText(t.ActiveColor));
    for (int i = 4; i >= 0; --i)
        put(kButtonNames[i], StoredColorText(s.ButtonColors[static_cast<std::size_t>(i)]));
    put(QStringLiteral("OpenPgBkPic"), s.OpenPgBkPic);
    put(QStringLiteral("MusicDir"), t.MusicDir);
    put(QStringLiteral("Flashing"), BooleanText(s.Flashing == 1));
    SaveCompileChoices(store, s);
    store.sync();
    // A file that could not be parsed is rewritten whole; only a failed
    // write counts.
    return store.status() != QSettings::AccessError;
}
