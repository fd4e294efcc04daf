#include "editor/RecoveryFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <algorithm>

RecoverySlot::RecoverySlot() = default;
RecoverySlot::RecoverySlot(QString f, std::unique_ptr<QLockFile> l)
    : file(std::move(f)), lock(std::move(l)) {}
RecoverySlot::RecoverySlot(RecoverySlot&&) noexcept = default;
RecoverySlot& RecoverySlot::operator=(RecoverySlot&&) noexcept = default;
RecoverySlot::~RecoverySlot() = default;

QString RecoveryFolder::SlotFile(int n) const {
    return QDir(folder).filePath(n == 1 ? QStringLiteral("recovery.json")
                                        : QStringLiteral("recovery-%1.json").arg(n));
}

std::unique_ptr<QLockFile> RecoveryFolder::TryLock(const QString& file, bool& unwritable) {
    auto lock = std::make_unique<QLockFile>(file + QStringLiteral(".lock"));
    // Held for as long as the window lives, not stale with age; a lock whose
    // process is gone is taken over.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0))
        return lock;
    unwritable = lock->error() != QLockFile::LockFailedError;
    return nullptr;
}

std::vector<RecoverySlot> RecoveryFolder::ClaimLeftBehind() const {
    std::vector<RecoverySlot> left;
    for (int n = 1; n <= kSlots; ++n) {
        const QString file = SlotFile(n);
        if (!QFileInfo::exists(file))
            continue;
        bool unwritable = false;
        if (auto lock = TryLock(file, unwritable))
            left.emplace_back(file, std::move(lock));
        else if (unwritable)
            break;
    }
    std::stable_sort(left.begin(), left.end(), [](const RecoverySlot& a, const RecoverySlot& b) {
        return QFileInfo(a.file).lastModified() > QFileInfo(b.file).lastModified();
    });
    return left;
}

std::optional<RecoverySlot> RecoveryFolder::ClaimFree() const {
    QDir().mkpath(folder);
    for (int n = 1; n <= kSlots; ++n) {
        const QString file = SlotFile(n);
        bool unwritable = false;
        auto lock = TryLock(file, unwritable);
        if (unwritable)
            return std::nullopt;
        // A file left behind waits to be offered at the next start.
        if (lock && !QFileInfo::exists(file))
            return RecoverySlot(file, std::move(lock));
    }
    return std::nullopt;
}

QString RecoveryFolder::SetAside(const QString& file) {
    const QFileInfo info(file);
    const QString aside = info.dir().filePath(
        info.completeBaseName() + QStringLiteral("-unreadable-") +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")) +
        QStringLiteral(".json"));
    return QFile::rename(file, aside) ? aside : QString();
}
