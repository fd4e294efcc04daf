#include "colortool/ListSearch.h"

int FindListPrefix(const QStringList& entries, const QString& prefix) {
    const auto n = static_cast<int>(entries.size());
    for (int step = 1; step <= n; ++step) {
        const int i = step % n;
        if (entries.at(i).startsWith(prefix, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

ListCompletion CompleteFromList(const QStringList& entries, const QString& text, int caret) {
    ListCompletion c;
    caret = std::clamp(caret, 0, static_cast<int>(text.size()));
    c.index = FindListPrefix(entries, text.left(caret));
    if (c.index < 0) {
        c.text = text;
        c.selectionStart = caret;
        return c;
    }
    c.text = entries.at(c.index);
    c.selectionStart = caret;
    c.selectionLength = static_cast<int>(c.text.size()) - caret;
    return c;
}
