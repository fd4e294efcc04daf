#include "captionstyle/CaptionFontLists.h"

const QStringList& FontSizeList() {
    static const QStringList sizes{
        QStringLiteral("8"),  QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("14"),
        QStringLiteral("16"), QStringLiteral("18"), QStringLiteral("20"), QStringLiteral("22"),
        QStringLiteral("24"), QStringLiteral("28"), QStringLiteral("32"), QStringLiteral("36"),
        QStringLiteral("40"), QStringLiteral("42"), QStringLiteral("44"), QStringLiteral("48"),
        QStringLiteral("52"), QStringLiteral("56"), QStringLiteral("60"), QStringLiteral("64"),
        QStringLiteral("68"), QStringLiteral("70"), QStringLiteral("72")};
    return sizes;
}

QString CorrectedFontSize(const QString& text) {
    return FontSizeList().contains(text) ? text : FontSizeList().at(kFallbackSizeEntry);
}

const QStringList& RecommendedFonts() {
    static const QStringList entries = [] {
        const char* const fonts[] = {"Arial",
                                     "Comic Sans MS",
                                     "Bookman Old Style",
                                     "Lucida Handwriting",
                                     "Lucida Sans Typewriter",
                                     "MS Sans Serif",
                                     "Serif",
                                     "Serif MS",
                                     "Times New Roman",
                                     "Tahoma"};
        QStringList list;
        for (const char* font : fonts)
            for (int size = 12; size <= 22; size += 2)
                list << QString::fromLatin1(font) + QLatin1Char(' ') + QString::number(size) +
                            QLatin1String("pt");
        return list;
    }();
    return entries;
}

CaptionFont RecommendedPair(const QString& entry) {
    return {entry.chopped(qMin<qsizetype>(5, entry.size())), entry.right(4).left(2)};
}

int FindFontEntry(const QStringList& entries, const QString& prefix) {
    if (prefix.isEmpty())
        return -1;
    const auto n = entries.size();
    for (qsizetype k = 1; k <= n; ++k) {
        const qsizetype i = k % n;
        if (entries.at(i).startsWith(prefix, Qt::CaseInsensitive))
            return static_cast<int>(i);
    }
    return -1;
}
