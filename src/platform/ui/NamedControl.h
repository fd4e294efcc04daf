#pragma once

#include <QString>
#include <QVariant>
#include <QWidget>
#include <array>

// Gives a control its object name. The members of a control array share one
// name and carry their index (0 and up) in the dynamic property "Index".
template <typename W> W* Named(W* widget, const char* name, int index = -1) {
    widget->setObjectName(QString::fromLatin1(name));
    if (index >= 0)
        widget->setProperty("Index", index);
    return widget;
}

// A Designer file needs a name of its own for every control, so the members
// of a control array are named "name_index" there. This gives each of them
// the array's shared name and its index, as Named does; tooltips and tests
// find them by those.
void JoinControlArrays(QWidget* window);

// The members of the control array `name` under `window`, by their index.
template <typename W, std::size_t N>
std::array<W*, N> ControlArray(const QWidget& window, const char* name) {
    std::array<W*, N> members{};
    for (W* control : window.findChildren<W*>(QString::fromLatin1(name))) {
        const int index = control->property("Index").toInt();
        if (index >= 0 && static_cast<std::size_t>(index) < N)
            members[static_cast<std::size_t>(index)] = control;
    }
    return members;
}
