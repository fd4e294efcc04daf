#pragma once

#include <QString>
#include <QStringList>

// The search of the tool's completing name boxes (the named colours and the
// colour scheme names): an entry that is the text itself wins (the same case
// first, then any case), otherwise a case-insensitive prefix search that
// starts at the second entry and wraps around to the first, so entry 0 is
// found only when no other entry matches. -1 when nothing matches. Without
// the exact match first, "Sea.col" would find "Sea.COL.col" listed before it.
int FindListPrefix(const QStringList& entries, const QString& prefix);

// What typing into a completing box leads to: the entry found for the text
// before the caret, the text the box then shows, and the selection that
// follows the caret to the end of the completed name.
struct ListCompletion {
    int index = -1;
    QString text;
    int selectionStart = 0;
    int selectionLength = 0;
};
// nullopt-like: index -1 when nothing matches (the box keeps its text).
ListCompletion CompleteFromList(const QStringList& entries, const QString& text, int caret);
