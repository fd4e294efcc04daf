#include "support/clsFindFile.h"

#include "platform/Prompter.h"
#include "support/FileTimeText.h"

#include <QDir>
#include <QFileInfo>

bool WildcardMatch(const QString& pattern, const QString& name) {
    // Greedy matching with one back-track point, as for every * only the
    // last one needs to be retried.
    qsizetype p = 0, n = 0, star = -1, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern.at(p) == QLatin1Char('?') ||
                                   (pattern.at(p) != QLatin1Char('*') &&
                                    pattern.at(p).toCaseFolded() == name.at(n).toCaseFolded()))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern.at(p) == QLatin1Char('*')) {
            star = p++;
            resume = n;
        } else if (star >= 0) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern.at(p) == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

namespace {
std::uint32_t AttributesOf(const QFileInfo& info) {
    std::uint32_t a = 0;
    if (info.isDir())
        a |= clsFindFile::kDirectory;
    if (!info.isWritable())
        a |= clsFindFile::kReadOnly;
    if (info.isHidden())
        a |= clsFindFile::kHidden;
    return a == 0 ? clsFindFile::kNormal : a;
}

} // namespace

bool FileTimeRecorded(const QDateTime& t) {
    static const QDateTime firstRecorded =
        QDateTime(QDate(1601, 1, 1), QTime(0, 0), Qt::UTC).addMSecs((1LL << 32) / 10000);
    return t.isValid() && t >= firstRecorded;
}

QString clsFindFile::Find(const QString& fileSpec, bool showMessages) {
    if (open) {
        if (showMessages && ask != nullptr &&
            ask->messageBox({QStringLiteral("Cancel the current search?"), QString(),
                             MsgButtons::YesNo, MsgIcon::Question, std::nullopt}) != MsgResult::Yes)
            return {};
        close();
    }
    const qsizetype cut =
        std::max(fileSpec.lastIndexOf(QLatin1Char('/')), fileSpec.lastIndexOf(QLatin1Char('\\')));
    folder = cut < 0 ? QStringLiteral(".") : fileSpec.left(cut + 1);
    if (folder.isEmpty())
        folder = QStringLiteral("/");
    const QString pattern = fileSpec.mid(cut + 1);
    QDir dir(QDir::fromNativeSeparators(QString(folder).replace(QLatin1Char('\\'), '/')));
    names.clear();
    if (!pattern.isEmpty()) {
        const QStringList all = dir.entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString& name : all)
            if (WildcardMatch(pattern, name))
                names << name;
    }
    folder = dir.path();
    if (names.isEmpty()) {
        if (showMessages && ask != nullptr)
            ask->inform(fileSpec + QStringLiteral(" could not be found!"), QString(),
                        MsgIcon::Exclamation);
        return {};
    }
    open = true;
    position = -1;
    return FindNext();
}

QString clsFindFile::FindNext() {
    if (!open)
        return {};
    // An entry deleted since the search began is skipped, as the platform
    // search would no longer see it.
    while (++position < names.size()) {
        const QFileInfo info(QDir(folder).filePath(names.at(position)));
        if (!info.exists() && !info.isSymLink())
            continue;
        entry = {names.at(position), AttributesOf(info), info.fileTime(QFileDevice::FileBirthTime),
                 info.fileTime(QFileDevice::FileAccessTime),
                 info.fileTime(QFileDevice::FileModificationTime)};
        return entry.name;
    }
    close();
    return {};
}

void clsFindFile::close() {
    open = false;
    names.clear();
    entry = {};
}

std::uint32_t clsFindFile::FileAttributes() const {
    return open ? entry.attributes : 0;
}

bool clsFindFile::IsCompressed() const {
    return open && (entry.attributes & kCompressed) != 0;
}

QString clsFindFile::GetShortName() const {
    return open ? entry.name : QString();
}

QString clsFindFile::dateText(const QDateTime Entry::*stamp, QDate* dateOut, QTime* timeOut) const {
    if (!open)
        return {};
    const QDateTime& t = entry.*stamp;
    if (!FileTimeRecorded(t))
        return unknownDateText;
    const QDateTime local = t.toLocalTime();
    // Milliseconds are dropped.
    const QTime time(local.time().hour(), local.time().minute(), local.time().second());
    if (dateOut != nullptr)
        *dateOut = local.date();
    if (timeOut != nullptr)
        *timeOut = time;
    return FormatFileTime(QDateTime(local.date(), time), dateFormat);
}

QString clsFindFile::GetCreationDate(QDate* dateOut, QTime* timeOut) const {
    return dateText(&Entry::created, dateOut, timeOut);
}

QString clsFindFile::GetLastAccessDate(QDate* dateOut, QTime* timeOut) const {
    return dateText(&Entry::accessed, dateOut, timeOut);
}

QString clsFindFile::GetLastWriteDate(QDate* dateOut, QTime* timeOut) const {
    return dateText(&Entry::written, dateOut, timeOut);
}
