#pragma once

#include <QString>
#include <QVariant>

// Gives a control its object name. The members of a control array share one
// name and carry their index (0 and up) in the dynamic property "Index".
template <typename W> W* Named(W* widget, const char* name, int index = -1) {
    widget->setObjectName(QString::fromLatin1(name));
    if (index >= 0)
        widget->setProperty("Index", index);
    return widget;
}
