#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTime>
#include <cstdint>
#include <optional>

class Prompter;

// Walks the entries of one folder whose names match a pattern with the
// wildcards * and ? (compared without regard to case), one entry at a time,
// and reports the current entry's name, attributes and time stamps.
//
// Attributes use the bits the tool's callers test: 1 read-only, 2 hidden, 16
// folder, 128 a file with none of the others. Compression (0x800) is never
// reported here, and there are no short names: GetShortName gives the long
// name.
class clsFindFile {
public:
    static constexpr std::uint32_t kReadOnly = 1;
    static constexpr std::uint32_t kHidden = 2;
    static constexpr std::uint32_t kDirectory = 16;
    static constexpr std::uint32_t kNormal = 128;
    static constexpr std::uint32_t kCompressed = 0x800;

    // The questions of Find with messages on go to `prompter`; without one
    // they are answered as if by Yes and shown nowhere.
    explicit clsFindFile(Prompter* prompter = nullptr) : ask(prompter) {}

    void setDateFormat(const QString& format) { dateFormat = format; }
    void setUnknownDateText(const QString& text) { unknownDateText = text; }

    std::uint32_t FileAttributes() const;
    bool IsCompressed() const;
    static constexpr std::uint32_t NormalAttribute() { return kNormal; }

    // fileSpec is a folder followed by a name pattern ("/data/*.col"); "\"
    // and "/" both separate folders. Returns the first match or "".
    QString Find(const QString& fileSpec, bool showMessages);
    // The next match, or "" when there is none (the search then ends).
    QString FindNext();
    QString GetShortName() const;

    // The entry's time stamp as a text in DateFormat, or UnknownDateText
    // when the file system does not record it; "" with no open search (the
    // out values are then left alone).
    QString GetCreationDate(QDate* dateOut = nullptr, QTime* timeOut = nullptr) const;
    QString GetLastAccessDate(QDate* dateOut = nullptr, QTime* timeOut = nullptr) const;
    QString GetLastWriteDate(QDate* dateOut = nullptr, QTime* timeOut = nullptr) const;

    bool searchOpen() const { return open; }

private:
    struct Entry {
        QString name;
        std::uint32_t attributes = 0;
        QDateTime created, accessed, written;
    };
    QString current() const;
    QString dateText(const QDateTime Entry::*stamp, QDate* dateOut, QTime* timeOut) const;
    void close();

    Prompter* ask;
    QString dateFormat = QStringLiteral("m/d/yy h:nn:ss AM/PM");
    QString unknownDateText = QStringLiteral("Unknown");
    bool open = false;
    QString folder;
    QStringList names;
    qsizetype position = 0;
    Entry entry;
};

// Whether a name matches a pattern of * (any run of characters) and ? (any
// one character), without regard to case.
bool WildcardMatch(const QString& pattern, const QString& name);

// Whether the file system recorded a time stamp: a missing one, or one whose
// Windows file time has zero in its upper 32 bits (before 1601-01-01
// 00:07:10 UTC), is not.
bool FileTimeRecorded(const QDateTime& stamp);
