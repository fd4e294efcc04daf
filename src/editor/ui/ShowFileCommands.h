#pragma once

#include "compiler/ShowDocument.h"

#include <QElapsedTimer>
#include <QFuture>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>

class Form1;
class QAction;
class QLockFile;

// The File menu's show files: New, Open, Save, Save As and the five most
// recent shows; the caption naming the show and marking unsaved changes; the
// save question before the show is replaced or the window closes; and the
// crash recovery file, written off the window's thread a few seconds after a
// change. Unsaved changes are found by comparing the project with the last
// saved snapshot (ShowDocument), checked once a second.
class ShowFileCommands : public QObject {
    Q_OBJECT
public:
    static constexpr int kRecentShows = 5;
    static constexpr int kWatchMilliseconds = 1000;
    static constexpr qint64 kRecoveryDelayMilliseconds = 3000;
    static constexpr int kRecoverySlots = 10; // windows with a recovery file at once

    // The recovery file lives in the user's data folder. Each running window
    // holds a lock on its own recovery file, so a second window neither
    // offers nor overwrites the first one's.
    explicit ShowFileCommands(Form1& form);
    ~ShowFileCommands() override;

    void NewShow();
    void OpenShow();
    // Opens the file, after the save question; false when it was not opened.
    bool OpenShowFile(const QString& path);
    bool SaveShow();
    bool SaveShowAs();
    // "Save changes to NAME?" when the show has unsaved changes; false when
    // the user cancelled (or the save failed), so the caller goes no further.
    bool MaybeSave();
    // After a crash: offers the recovery file left behind and restores it;
    // true when restored.
    bool OfferRecovery();
    // The window's start: the recovery offer, then `show` (the command
    // line's show, may be empty) unless it is the show just restored.
    void StartUp(const QString& show);
    // A clean exit: the recovery file goes.
    void RemoveRecovery();

    const ShowDocument& document() const { return doc; }
    bool IsModified() const;
    // This window's recovery file: the first of the folder's recovery files
    // that no running window holds.
    QString RecoveryPath() const;
    void setRecoveryFolder(const QString& folder);
    QStringList RecentShows() const;
    // Checks for changes now (the caption and the recovery write) instead of
    // at the next tick, and waits for a recovery write under way.
    void CheckNow();
    void WaitForRecovery();
    // Starts a recovery write regardless of the delay (tests).
    void WriteRecoveryNow();

private:
    void BuildMenu();
    void RefreshRecentMenu();
    void RememberRecent(const QString& path);
    // Reads the show into the window; the save question has been asked.
    bool LoadShow(const QString& path);
    bool SaveTo(const QString& path);
    void ShowLoaded(const LoadedShow& show);
    void RefreshCaption();
    void Tick();
    ShowFileContext Context() const;

    Form1& form;
    ShowDocument doc;
    QString recoveryFolder;
    // Claimed on first use: the held lock and the file it guards.
    mutable std::unique_ptr<QLockFile> recoveryLock;
    mutable QString recoveryFile;
    mutable bool recoveryClaimed = false;
    QTimer watch;
    QAction* recentSeparator = nullptr;
    QList<QAction*> recentActions;
    // The recovery file: the content last written, when the project last
    // differed from it, and the write under way.
    QByteArray recoveryWritten;
    std::optional<QElapsedTimer> changedSince;
    QFuture<void> recoveryWrite;
};
