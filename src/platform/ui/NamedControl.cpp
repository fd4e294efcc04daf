#include "platform/ui/NamedControl.h"

#include <QRegularExpression>
#include <QWidget>

void JoinControlArrays(QWidget* window) {
    static const QRegularExpression member(QStringLiteral("^([A-Za-z]\\w*?)_(\\d+)$"));
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const QRegularExpressionMatch m = member.match(control->objectName());
        if (!m.hasMatch())
            continue;
        control->setObjectName(m.captured(1));
        control->setProperty("Index", m.captured(2).toInt());
    }
}
