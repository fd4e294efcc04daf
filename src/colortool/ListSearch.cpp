#include "colortool/ListSearch.h"

int FindListPrefix(const QStringList& entries, const QString& prefix) {
    const auto n = static_cast<int>(entries.size());
    const auto find = [&](auto matches) {
        for (int step = 1; step <= n; ++step)
            if (matches(entries.at(step % n)))
                return step % n;
        return -1;
    };
    if (prefix.isEmpty())
        return find([](const QString&) { return true; });
    for (const int found :
         {find([&](const QString& e) { return e == prefix; }),
          find([&](const QString& e) { return e.compare(prefix, Qt::CaseInsensitive) == 0; }),
          find([&](const QString& e) { return e.startsWith(prefix, Qt::CaseInsensitive); })})
        if (found >= 0)
            return found;
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
