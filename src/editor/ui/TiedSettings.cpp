#include "editor/ui/TiedSettings.h"

#include "editor/NumberEntry.h"
#include "editor/ui/PictureView.h"
#include "project/CompileChoices.h"
#include "project/ShowValues.h"

#include <QAbstractSlider>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QWidget>
#include <QtDebug>
#include <algorithm>
#include <type_traits>

namespace {
// A switch held as a number is on at 1.
bool IsOn(bool value) {
    return value;
}
bool IsOn(qint16 value) {
    return value == 1;
}
void SetOn(bool& value, bool on) {
    value = on;
}
void SetOn(qint16& value, bool on) {
    value = on ? 1 : 0;
}

// The option an array checks: a number's own index, a switch's first when on.
int CheckedIndex(bool value, std::size_t) {
    return value ? 0 : 1;
}
int CheckedIndex(qint16 value, std::size_t count) {
    return value >= 0 && std::size_t(value) < count ? value : 0;
}
void SetFromIndex(bool& value, int index) {
    value = index == 0;
}
void SetFromIndex(qint16& value, int index) {
    value = static_cast<qint16>(index);
}

// The control of that name, or the members of the array of that name by
// their index.
std::vector<QWidget*> NamedControls(QWidget& window, const char* name) {
    std::vector<QWidget*> found;
    for (QWidget* control : window.findChildren<QWidget*>(QLatin1String(name))) {
        const int index = control->property("Index").toInt();
        if (index < 0)
            continue;
        if (found.size() <= std::size_t(index))
            found.resize(std::size_t(index) + 1, nullptr);
        found[std::size_t(index)] = control;
    }
    if (std::find(found.begin(), found.end(), nullptr) != found.end())
        found.clear();
    return found;
}

// A row's value, where the tables hold it and how far a number may go.
template <typename T> struct Row {
    T ShowSettings::*field;
    qint16 low;
    qint16 high;
};
} // namespace

TiedSettings::TiedSettings(QWidget& window, ShowSettings& s) : QObject(&window) {
    const auto tieRow = [&](const char* control, auto row) {
        if (!control)
            return;
        using T = std::remove_reference_t<decltype(s.*row.field)>;
        const std::vector<QWidget*> controls = NamedControls(window, control);
        if (controls.empty()) {
            qWarning() << "No control" << control << "to tie in" << window.objectName();
            return;
        }
        Tie t;
        t.controls = controls;
        auto* box = controls.size() == 1 ? qobject_cast<QCheckBox*>(controls[0]) : nullptr;
        auto* options = controls.size() > 1 ? qobject_cast<QRadioButton*>(controls[0]) : nullptr;
        if constexpr (std::is_same_v<T, bool> || std::is_same_v<T, qint16>) {
            if (box) {
                t.show = [&s, row, box] { box->setChecked(IsOn(s.*row.field)); };
                t.take = [&s, row, box] { SetOn(s.*row.field, box->isChecked()); };
                connect(box, &QCheckBox::toggled, this, t.take);
                return ties.push_back(std::move(t));
            }
            if (options) {
                t.show = [&s, row, controls] {
                    const int index = CheckedIndex(s.*row.field, controls.size());
                    static_cast<QRadioButton*>(controls[std::size_t(index)])->setChecked(true);
                };
                for (std::size_t i = 0; i < controls.size(); ++i)
                    connect(static_cast<QRadioButton*>(controls[i]), &QRadioButton::toggled, this,
                            [&s, row, i](bool on) {
                                if (on)
                                    SetFromIndex(s.*row.field, int(i));
                            });
                t.take = [&s, row, controls] {
                    for (std::size_t i = 0; i < controls.size(); ++i)
                        if (static_cast<QRadioButton*>(controls[i])->isChecked())
                            SetFromIndex(s.*row.field, int(i));
                };
                return ties.push_back(std::move(t));
            }
        }
        if constexpr (std::is_same_v<T, qint16>) {
            if (auto* spin = qobject_cast<QSpinBox*>(controls[0])) {
                spin->setRange(row.low, row.high);
                t.show = [&s, row, spin] { spin->setValue(s.*row.field); };
                t.take = [&s, row, spin] { s.*row.field = qint16(spin->value()); };
                connect(spin, &QSpinBox::valueChanged, this, t.take);
                return ties.push_back(std::move(t));
            }
            if (auto* slider = qobject_cast<QAbstractSlider*>(controls[0])) {
                t.show = [&s, row, slider] { slider->setValue(s.*row.field); };
                t.take = [&s, row, slider] { s.*row.field = qint16(slider->value()); };
                connect(slider, &QAbstractSlider::valueChanged, this, t.take);
                return ties.push_back(std::move(t));
            }
            if (auto* text = qobject_cast<QLineEdit*>(controls[0])) {
                t.show = [&s, row, text] { text->setText(QString::number(s.*row.field)); };
                t.take = [&s, row, text] {
                    s.*row.field = EnteredNumber(text->text(), s.*row.field, row.low, row.high);
                    text->setText(QString::number(s.*row.field));
                };
                connect(text, &QLineEdit::editingFinished, this, t.take);
                return ties.push_back(std::move(t));
            }
        }
        if constexpr (std::is_same_v<T, QString>) {
            if (auto* picture = qobject_cast<PictureView*>(controls[0])) {
                t.show = [&s, row, picture] {
                    if (!picture->load(s.*row.field))
                        picture->clear();
                };
                t.take = [] {}; // the window picks the picture
                return ties.push_back(std::move(t));
            }
        }
        qWarning() << "Control" << control << "cannot hold its value";
    };
    for (const ShowValue& value : kShowValues)
        std::visit(
            [&](auto field) {
                tieRow(value.control, Row{field, value.low, value.high});
            },
            value.field);
    for (const CompileChoice& choice : kCompileChoices)
        std::visit(
            [&](auto field) {
                tieRow(choice.control, Row{field, choice.low, choice.high});
            },
            choice.field);
}

TiedSettings::~TiedSettings() = default;

void TiedSettings::show() {
    for (const Tie& t : ties) {
        std::vector<QSignalBlocker> blocks;
        blocks.reserve(t.controls.size());
        for (QWidget* control : t.controls)
            blocks.emplace_back(control);
        t.show();
    }
}

void TiedSettings::take(const QWidget* control) {
    for (const Tie& t : ties)
        if (std::find(t.controls.begin(), t.controls.end(), control) != t.controls.end())
            t.take();
}

void TiedSettings::takeTyped() {
    for (const Tie& t : ties)
        if (qobject_cast<QLineEdit*>(t.controls[0]))
            t.take();
}

bool TiedSettings::isTied(const QWidget* control) const {
    return std::any_of(ties.begin(), ties.end(), [control](const Tie& t) {
        return std::find(t.controls.begin(), t.controls.end(), control) != t.controls.end();
    });
}
