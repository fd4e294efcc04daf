#pragma once

#include "compiler/ShowDocument.h"
#include "editor/RecoveryFolder.h"

#include <QElapsedTimer>
#include <QFuture>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>

class Form1;
class QAction;

// The File menu's show files: New, Open, Save, Save As and the five most
// recent shows; the caption naming the show and marking unsaved changes; the
// save question before the show is replaced or the window closes; and the
// crash recovery file, written a few seconds after a change.
//
// Unsaved changes are found by comparing the project with the last saved
// snapshot (ShowDocument). The comparison and the recovery file are made off
// the window's thread, and only after the user did something (a key, a click,
// a drop: a change counter), so an idle window does no work on its show.
class ShowFileCommands : public QObject {
    Q_OBJECT
public:
    static constexpr int kRecentShows = 5;
    static constexpr int kWatchMilliseconds = 1000;
    static constexpr qint64 kRecoveryDelayMilliseconds = 3000;

    // The recovery files live in the user's data folder, one for each running
    // window (RecoveryFolder), so a second window neither offers nor
    // overwrites the first one's.
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
    // After a crash: offers each recovery file left behind by a window that
    // is gone, newest first. The first one restored goes into this window,
    // each further one into a new window (Form1Seams::openWindow); one
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

    const ShowDocument& document() const { return doc; }
    bool IsModified() const;
    // This window's recovery file, claimed on first use: a free slot of the
    // recovery folder, or the one taken over from a restored show. Empty when
    // none could be had.
    QString RecoveryPath() const;
    void setRecoveryFolder(const QString& folder);
    QStringList RecentShows() const;
    // Counts a change the user may have made; the next tick looks at the show.
    void NoteChange() { ++changes; }
    // Checks for changes now (the caption and the recovery write) instead of
    // at the next tick, and waits for a recovery write under way.
    void CheckNow();
    // How many times the show was compared and serialised by the tick.
    int ChecksMade() const { return checksMade; }
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
    // The document now stands for the project as it is (opened, saved,
    // created): not modified, and a check under way is out of date.
    void Settled();
    void Tick();
    // Takes the result of a finished check; with `wait`, waits for it first.
    void TakeCheck(bool wait);
    ShowFileContext Context() const;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // What a check found: whether the show differs from its file, and the
    // recovery file's content when it does.
    struct Check {
        bool modified = false;
        QByteArray recovery;
        quint64 generation = 0;
    };

    Form1& form;
    ShowDocument doc;
    QString recoveryFolder;
    // Claimed on first use, or taken over from a restored show.
    mutable std::optional<RecoverySlot> recoverySlot;
    mutable bool recoveryClaimed = false;
    QTimer watch;
    QAction* recentSeparator = nullptr;
    QList<QAction*> recentActions;
    // The change counter, the count the last check started from, and the
    // document's generation (a check of an older one is dropped).
    quint64 changes = 1;
    quint64 checkedChanges = 0;
    quint64 generation = 0;
    QFuture<Check> check;
    bool checkTaken = true;
    bool modified = false;
    int checksMade = 0;
    // The recovery file: the content last written, the content waiting for
    // the delay, since when the project differed from it, and the write
    // under way.
    QByteArray recoveryWritten;
    QByteArray recoveryPending;
    std::optional<QElapsedTimer> changedSince;
    QFuture<void> recoveryWrite;
};
