#include "captionstyle/StyleSets.h"

#include "platform/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace {
// Reads the values of the file one at a time, as the tool's field input
// always did: blanks before a value are skipped; a value in double quotes
// runs to its closing quote (a doubled quote stands for one quote, and the
// line end closes an unclosed value) and anything after it up to the next
// comma or line end is ignored; an unquoted value runs to the next comma or
// line end.
class ValueReader {
public:
    explicit ValueReader(QString text) : text(std::move(text)) {}

    // True when only blanks and line ends are left.
    bool atEnd() const {
        return std::all_of(text.begin() + pos, text.end(), [](QChar c) { return c.isSpace(); });
    }

    QString next() {
        while (pos < text.size() && (text[pos] == u' ' || text[pos] == u'\t'))
            ++pos;
        QString value;
        if (pos < text.size() && text[pos] == u'"') {
            ++pos;
            while (pos < text.size() && text[pos] != u'\r' && text[pos] != u'\n') {
                const QChar c = text[pos++];
                if (c != u'"') {
                    value += c;
                } else if (pos < text.size() && text[pos] == u'"') {
                    value += c;
                    ++pos;
                } else {
                    break;
                }
            }
            skipToDelimiter();
        } else {
            const qsizetype start = pos;
            skipToDelimiter();
            value = text.mid(start, pos - start).trimmed();
        }
        consumeDelimiter();
        return value;
    }

private:
    void skipToDelimiter() {
        while (pos < text.size() && text[pos] != u',' && text[pos] != u'\r' && text[pos] != u'\n')
            ++pos;
    }
    void consumeDelimiter() {
        if (pos < text.size() && text[pos] == u',') {
            ++pos;
        } else if (pos < text.size() && text[pos] == u'\r') {
            ++pos;
            if (pos < text.size() && text[pos] == u'\n')
                ++pos;
        } else if (pos < text.size()) {
            ++pos; // LF
        }
    }

    QString text;
    qsizetype pos = 0;
};

// Files written here are UTF-8; older ones are in the Windows character set,
// and a file edited by both may mix them: each line is read in its own.
QString Decode(const QByteArray& bytes) {
    QStringList lines;
    for (const QByteArray& line : bytes.split('\n'))
        lines << DecodeOutsideText(line);
    return lines.join(QLatin1Char('\n'));
}

QByteArray QuotedValue(const QString& value) {
    // One line per value: a line break (which no box of the window can
    // hold) becomes a blank.
    QString escaped = value;
    escaped.replace(QLatin1String("\r\n"), QLatin1String(" "));
    escaped.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return '"' + escaped.toUtf8() + "\"\r\n";
}

QString FileError(const QFileDevice& file) {
    return QString::number(file.error()) + QLatin1Char(' ') + file.errorString();
}

QString StyleSetsPath(const QString& folder) {
    return QDir(folder).filePath(QLatin1String(kStyleSetsFileName));
}
} // namespace

StyleSetsRead ParseStyleSets(const QByteArray& bytes) {
    StyleSetsRead read;
    ValueReader in(Decode(bytes));
    while (!in.atEnd()) {
        if (read.sets.size() == kMaxStyleSets) {
            read.error = QStringLiteral("9 Subscript out of range");
            break;
        }
        StyleSet set;
        QString* const fields[] = {&set.name, &set.font, &set.size, &set.caption};
        for (QString* field : fields) {
            if (in.atEnd()) {
                read.error = QStringLiteral("62 Input past end of file");
                return read;
            }
            *field = in.next();
        }
        read.sets.append(set);
    }
    return read;
}

QByteArray StyleSetsText(const QList<StyleSet>& sets) {
    QByteArray text;
    for (const StyleSet& set : sets)
        text += QuotedValue(set.name) + QuotedValue(set.font) + QuotedValue(set.size) +
                QuotedValue(set.caption);
    return text;
}

StyleSetsRead ReadStyleSetsFile(const QString& folder) {
    const QString path = StyleSetsPath(folder);
    if (!QFileInfo::exists(path))
        return {};
    // Read whole or not at all: 51 sets of the longest texts the window takes
    // stay far below the limit.
    constexpr qint64 kLimit = 64 * 1024 * 1024;
    QString error;
    const auto bytes = ReadRegularFile(path, kLimit, &error);
    if (!bytes)
        return {{}, error};
    return ParseStyleSets(*bytes);
}

QString WriteStyleSetsFile(const QString& folder, const QList<StyleSet>& sets) {
    QSaveFile file(StyleSetsPath(folder));
    const QByteArray text = StyleSetsText(sets);
    if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit())
        return {};
    return FileError(file);
}

AddSetOutcome AddStyleSet(QList<StyleSet>& sets, const StyleSet& set) {
    if (std::any_of(sets.begin(), sets.end(),
                    [&](const StyleSet& s) { return s.name == set.name; }))
        return AddSetOutcome::Duplicate;
    if (sets.size() >= kMaxStyleSets)
        return AddSetOutcome::Full;
    sets.append(set);
    return AddSetOutcome::Added;
}
