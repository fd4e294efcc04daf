#pragma once

#include "document/ShowFileState.h"
#include "editor/RecoveryFolder.h"

#include <QFuture>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>

class MainWindow;
class QAction;

// The File menu's show files: New, Open, Save, Save As and the five most
// recent shows; the caption naming the show and marking unsaved changes; the
// save question before the show is replaced or the window closes; and the
// crash recovery file, written a few seconds after the window's document
// says its show changed (so an idle window does no work on its show, and a
// change made any way at all is kept). The unsaved mark is the document's.
class ShowFileCommands : public QObject {
    Q_OBJECT
public:
    static constexpr int kRecentShows = 5;
    static constexpr int kRecoveryDelayMilliseconds = 3000;

    // The recovery files live in the user's data folder, one for each running
    // window (RecoveryFolder), so a second window neither offers nor
    // overwrites the first one's.
    explicit ShowFileCommands(MainWindow& form);
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
    // After a crash: offers each recovery file left behind by a window that
    // is gone, newest first. The first one restored goes into this window,
    // each further one into a new window (MainWindowSeams::openWindow); one
    // declined is removed. True when this window took one.
    bool OfferRecovery();
    // Restores a show left behind into this window, which takes over its
    // recovery file.
    void TakeRecovered(RecoverySlot slot, const RecoveredShow& recovered);
    // The window's start: the recovery offer, then `show` (the command
    // line's show, may be empty) unless it is the show just restored.
    void StartUp(const QString& show);
    // A clean exit: the recovery file goes.
    void RemoveRecovery();
    // The window closed: its show goes with it, and so does its recovery
    // file, never to be written again.
    void Close();

    const ShowFileState& document() const { return doc; }
    bool IsModified() const;
    // This window's recovery file, claimed on first use: a free slot of the
    // recovery folder, or the one taken over from a restored show. Empty when
    // none could be had.
    QString RecoveryPath() const;
    void setRecoveryFolder(const QString& folder);
    QStringList RecentShows() const;
    // True while a recovery write waits for its delay.
    bool RecoveryDue() const { return recoveryDelay.isActive(); }
    // How many recovery files were written.
    int RecoveryWrites() const { return recoveryWrites; }
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
    // `unsaved`: a restored show, unsaved until it is saved.
    void ShowLoaded(const LoadedShow& show, bool unsaved);
    void RefreshCaption();
    // The show changed: a recovery write after the delay, or, back as
    // saved, no recovery file.
    void ShowChanged();
    ShowFileContext Context() const;

    MainWindow& form;
    ShowFileState doc;
    QString recoveryFolder;
    // Claimed on first use, or taken over from a restored show.
    mutable std::optional<RecoverySlot> recoverySlot;
    mutable bool recoveryClaimed = false;
    QAction* recentSeparator = nullptr;
    QList<QAction*> recentActions;
    // The delay from a change to its recovery write, the write under way,
    // and whether the window has closed.
    QTimer recoveryDelay;
    QFuture<void> recoveryWrite;
    int recoveryWrites = 0;
    bool closed = false;
};
