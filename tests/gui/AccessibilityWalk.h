#pragma once

#include <QAccessible>
#include <QSet>
#include <QStringList>
#include <QWidget>
#include <functional>

// Walks a window's accessibility tree as a screen reader does and lists what
// a user of one could not use: controls that can be operated but have no
// name, and controls that Tab reaches but the tree does not hold.
inline QStringList AccessibilityProblems(QWidget* window) {
    QStringList problems;
    QSet<const QObject*> inTree;
    const auto describe = [](const QAccessibleInterface* iface) {
        const QObject* o = iface->object();
        return QStringLiteral("%1 %2 (role %3)")
            .arg(o != nullptr ? QString::fromLatin1(o->metaObject()->className()) : QString(),
                 o != nullptr ? o->objectName() : QString())
            .arg(int(iface->role()));
    };
    const QSet<QAccessible::Role> operable{
        QAccessible::Button,       QAccessible::CheckBox,   QAccessible::RadioButton,
        QAccessible::EditableText, QAccessible::ComboBox,   QAccessible::SpinBox,
        QAccessible::Slider,       QAccessible::ScrollBar,  QAccessible::PageTab,
        QAccessible::MenuItem,     QAccessible::ButtonMenu, QAccessible::List};
    std::function<void(QAccessibleInterface*, int)> walk = [&](QAccessibleInterface* iface,
                                                               int depth) {
        if (iface == nullptr || !iface->isValid() || depth > 60)
            return;
        inTree.insert(iface->object());
        const QAccessible::State state = iface->state();
        // The edit box inside a combo or spin box speaks with its owner's name.
        const QObject* owner = iface->object() != nullptr ? iface->object()->parent() : nullptr;
        const bool inner = owner != nullptr &&
                           (owner->inherits("QComboBox") || owner->inherits("QAbstractSpinBox"));
        if (!inner && !state.invisible && operable.contains(iface->role()) &&
            iface->text(QAccessible::Name).trimmed().isEmpty() &&
            // Separators and the menu bar's extension button carry no text.
            !(iface->role() == QAccessible::MenuItem && state.disabled))
            problems << QStringLiteral("no name: ") + describe(iface);
        for (int i = 0; i < iface->childCount(); ++i)
            walk(iface->child(i), depth + 1);
    };
    walk(QAccessible::queryAccessibleInterface(window), 0);

    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->isVisibleTo(window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
            w->focusProxy() == nullptr && !inTree.contains(w) &&
            // A widget standing in for its parent's focus (a web view's page)
            // is read through the parent.
            !(w->parentWidget() != nullptr && w->parentWidget()->focusProxy() == w &&
              inTree.contains(w->parentWidget())))
            problems << QStringLiteral("Tab reaches it, the tree does not: %1 %2")
                            .arg(QString::fromLatin1(w->metaObject()->className()),
                                 w->objectName());
    }
    return problems;
}
