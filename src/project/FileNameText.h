#pragma once

#include <QChar>
#include <QString>

// The characters a page or folder name may not hold: ? \ : * < > | . / and
// control characters.
bool IsRefusedNameChar(QChar c);
// The text without the refused characters, so a name can never hold a path
// separator or "..".
QString FilterNameText(const QString& text);
