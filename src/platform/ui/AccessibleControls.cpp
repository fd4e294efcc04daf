#include "platform/ui/AccessibleControls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QWidget>

namespace {
// The dynamic property that says which description a widget gets.
constexpr char kKind[] = "accessibleKind";

// A painted box: its name, and what it shows in its description.
class ShownValueInterface : public QAccessibleWidget {
public:
    ShownValueInterface(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Description)
            return QAccessibleWidget::text(t);
        const QString value = widget()->property("accessibleValueText").toString();
        const QString name = widget()->accessibleName();
        return value.isEmpty() ? name : name + QStringLiteral(", ") + value;
    }
};

class ButtonInterface : public ShownValueInterface {
public:
    explicit ButtonInterface(QWidget* w) : ShownValueInterface(w, QAccessible::Button) {}

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            QMetaObject::invokeMethod(widget(), "click");
        else
            QAccessibleWidget::doAction(action);
    }
};

class ValueLabelInterface : public QAccessibleWidget {
public:
    explicit ValueLabelInterface(QWidget* w) : QAccessibleWidget(w, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const auto* label = static_cast<const ValueLabel*>(widget());
        return label->caption() + QStringLiteral(": ") + label->text();
    }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    const QString kind = widget->property(kKind).toString();
    if (kind == QLatin1String("button"))
        return new ButtonInterface(widget);
    if (kind == QLatin1String("display"))
        return new ShownValueInterface(widget, QAccessible::Graphic);
    if (qobject_cast<ValueLabel*>(widget) != nullptr)
        return new ValueLabelInterface(widget);
    return nullptr;
}

void InstallFactoryOnce() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    Q_UNUSED(installed);
}

// Gives the widget its description kind. An interface made before (a
// Designer file names its controls as it builds them, which makes one while
// accessibility is active) is dropped, so the next is made for the kind.
void SetKind(QWidget* widget, const QString& kind) {
    InstallFactoryOnce();
    widget->setProperty(kKind, kind);
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}
} // namespace

namespace AccessibleControls {

void MakeButton(QWidget* widget, const QString& name) {
    SetKind(widget, QStringLiteral("button"));
    widget->setAccessibleName(name);
    widget->setFocusPolicy(Qt::StrongFocus);
}

void NameDisplay(QWidget* widget, const QString& name) {
    SetKind(widget, QStringLiteral("display"));
    widget->setAccessibleName(name);
}

bool IsPressKey(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace AccessibleControls

ValueLabel::ValueLabel(QWidget* parent) : QLabel(parent) {
    InstallFactoryOnce();
}
