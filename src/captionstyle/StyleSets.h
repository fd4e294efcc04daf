#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A named caption style set ("My Saved Settings").
struct StyleSet {
    QString name;
    QString font;
    QString size;
    QString caption;
    bool operator==(const StyleSet&) const = default;
};

inline constexpr int kMaxStyleSets = 51;
inline constexpr const char* kStyleSetsFileName = "MySettings";

// The sets file holds four values per set (name, font, size, caption), each
// on its own line, in double quotes, ending in CR LF. A double quote inside a
// value is written twice (as a line break cannot be kept, it is written as a
// blank); files whose values hold no double quote read as they always did.

struct StyleSetsRead {
    QList<StyleSet> sets; // the whole sets read, also when reading failed
    QString error;        // empty when the text was read to its end
};

StyleSetsRead ParseStyleSets(const QByteArray& bytes);
QByteArray StyleSetsText(const QList<StyleSet>& sets);

// The file in the writable program folder. A missing file holds no sets.
StyleSetsRead ReadStyleSetsFile(const QString& folder);
// Empty on success, else the error's number and description.
QString WriteStyleSetsFile(const QString& folder, const QList<StyleSet>& sets);

enum class AddSetOutcome { Added, Duplicate, Full };
// Appends the set unless its name is taken (exact, case-sensitive) or the
// list already holds kMaxStyleSets.
AddSetOutcome AddStyleSet(QList<StyleSet>& sets, const StyleSet& set);
