#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <vector>

class QLockFile;

// One window's recovery file and the lock that marks it as in use. The lock
// goes (and the file is free again) when the slot is dropped.
struct RecoverySlot {
    QString file;
    std::unique_ptr<QLockFile> lock;

    RecoverySlot();
    RecoverySlot(QString file, std::unique_ptr<QLockFile> lock);
    RecoverySlot(RecoverySlot&&) noexcept;
    RecoverySlot& operator=(RecoverySlot&&) noexcept;
    ~RecoverySlot();
};

// The folder of crash recovery files: recovery.json, recovery-2.json ... one
// for each running window, each guarded by a lock file its window holds for
// as long as it lives. A lock left by a window whose process died names a
// process that is gone and can be taken over.
class RecoveryFolder {
public:
    static constexpr int kSlots = 10; // windows with a recovery file at once

    explicit RecoveryFolder(QString folder) : folder(std::move(folder)) {}

    // The files left by windows that ended without closing, newest first.
    // Their locks are taken here, so no other window starting meanwhile
    // offers them too.
    std::vector<RecoverySlot> ClaimLeftBehind() const;
    // A slot for a running window: one whose lock nobody holds and that holds
    // no file left behind. Nullopt when none can be had (an unwritable
    // folder, or every slot taken).
    std::optional<RecoverySlot> ClaimFree() const;
    // Renames a recovery file that cannot be read out of the way of the
    // slots, keeping it for the user; returns its new path, or an empty text
    // when it could not be moved.
    static QString SetAside(const QString& file);

private:
    QString SlotFile(int n) const;
    // The slot's lock when nobody holds it.
    static std::unique_ptr<QLockFile> TryLock(const QString& file, bool& unwritable);

    QString folder;
};
