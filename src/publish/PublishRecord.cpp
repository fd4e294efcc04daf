#include "publish/PublishRecord.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QtConcurrent/QtConcurrentMap>

namespace {
constexpr int kRecordFormat = 1;

bool InsideFolder(const QString& path) {
    if (path.isEmpty() || path.startsWith(QLatin1Char('/')) || path.contains(QLatin1Char('\\')))
        return false;
    const QString clean = QDir::cleanPath(path);
    return clean == path && clean != u".." && !clean.startsWith(QLatin1String("../"));
}
} // namespace

QByteArray RecordJson(const PublishRecord& record) {
    QJsonArray files;
    for (auto it = record.begin(); it != record.end(); ++it)
        files.append(QJsonObject{{QStringLiteral("path"), it.key()},
                                 {QStringLiteral("size"), it->size},
                                 {QStringLiteral("sha256"), QString::fromLatin1(it->sha256)}});
    const QJsonObject top{{QStringLiteral("format"), kRecordFormat},
                          {QStringLiteral("files"), files}};
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

std::optional<PublishRecord> ReadRecord(const QByteArray& json) {
    const QJsonDocument doc = QJsonDocument::fromJson(json);
    if (!doc.isObject() || !doc.object().value(u"files").isArray())
        return std::nullopt;
    PublishRecord record;
    for (const QJsonValue& v : doc.object().value(u"files").toArray()) {
        const QJsonObject o = v.toObject();
        const QString path = o.value(u"path").toString();
        if (!InsideFolder(path))
            continue;
        QByteArray sha = o.value(u"sha256").toString().toLatin1().toLower();
        if (sha.size() != 64)
            sha.clear();
        record.insert(path, {static_cast<qint64>(o.value(u"size").toDouble(-1)), sha});
    }
    return record;
}

std::optional<PublishRecord> ScanFolder(const QString& folder, QString* error) {
    QStringList paths;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    const QDir base(folder);
    while (it.hasNext())
        paths << base.relativeFilePath(it.next());

    QMutex lock;
    PublishRecord record;
    QString failed;
    QtConcurrent::blockingMap(paths, [&](const QString& path) {
        QFile file(base.filePath(path));
        QCryptographicHash hash(QCryptographicHash::Sha256);
        const bool read = file.open(QIODevice::ReadOnly) && hash.addData(&file);
        const QMutexLocker locked(&lock);
        if (read)
            record.insert(path, {file.size(), hash.result().toHex()});
        else if (failed.isEmpty())
            failed = file.fileName() + QStringLiteral(": ") + file.errorString();
    });
    if (!failed.isEmpty()) {
        if (error)
            *error = failed;
        return std::nullopt;
    }
    return record;
}
