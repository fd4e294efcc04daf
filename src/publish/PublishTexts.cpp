#include "publish/PublishTexts.h"

#include <QUrl>

QString SizeText(qint64 bytes) {
    if (bytes < 1000)
        return QStringLiteral("%1 bytes").arg(bytes);
    if (bytes < 1000 * 1000)
        return QStringLiteral("%1 kB").arg(bytes / 1000.0, 0, 'f', 1);
    if (bytes < 1000LL * 1000 * 1000)
        return QStringLiteral("%1 MB").arg(bytes / 1e6, 0, 'f', 1);
    return QStringLiteral("%1 GB").arg(bytes / 1e9, 0, 'f', 2);
}

QString ProgressText(const PublishProgress& p) {
    QString text = QStringLiteral("%1 of %2 files, %3 of %4")
                       .arg(p.files)
                       .arg(p.totalFiles)
                       .arg(SizeText(p.bytes), SizeText(p.totalBytes));
    if (p.speed > 0)
        text += QStringLiteral(", %1/s").arg(SizeText(static_cast<qint64>(p.speed)));
    if (p.secondsLeft) {
        const qint64 s = *p.secondsLeft;
        text += s >= 60 ? QStringLiteral(", %1 min %2 s left").arg(s / 60).arg(s % 60)
                        : QStringLiteral(", %1 s left").arg(s);
    }
    return text;
}

std::optional<ShowAddresses> AddressesOf(const QString& address, const QString& folderName,
                                         const QString& openingPage, bool hasPlayer) {
    QUrl base(address.trimmed(), QUrl::StrictMode);
    if (!base.isValid() || (base.scheme() != u"https" && base.scheme() != u"http") ||
        base.host().isEmpty())
        return std::nullopt;
    if (!base.path().endsWith(QLatin1Char('/')))
        base.setPath(base.path() + QLatin1Char('/'));
    const auto at = [&](const QString& page) {
        const QString relative = QString::fromLatin1(QUrl::toPercentEncoding(folderName) + '/' +
                                                     QUrl::toPercentEncoding(page));
        return base.resolved(QUrl(relative)).toString(QUrl::FullyEncoded);
    };
    return ShowAddresses{at(openingPage), hasPlayer ? at(QStringLiteral("index.html")) : QString()};
}
