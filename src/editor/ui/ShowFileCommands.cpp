#include "editor/ui/ShowFileCommands.h"

#include "document/ShowDocument.h"
#include "document/ShowFileWriter.h"
#include "editor/ui/MainWindow.h"
#include "editor/ui/undo/EditHistory.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompter.h"
#include "platform/RegularFile.h"
#include "platform/ToolSettings.h"
#include "project/ShowLimits.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <QtConcurrent/QtConcurrentRun>

namespace {
const QString kTitle = QStringLiteral("Pevrano Slide Show");
const QString kFilter = QStringLiteral("Slide Shows (*.json)");
const QString kRecentKey = QStringLiteral("RecentShows/Files");

// The recent shows sit beside the tool's other settings.
std::unique_ptr<QSettings> ToolSettings() {
    return OpenToolSettings(QStringLiteral("Pevrano"), QStringLiteral("Settings"));
}

// A show file or a recovery file whole, or nullopt when it cannot be read
// (anything but a regular file is not opened: a FIFO would block).
std::optional<QByteArray> ReadWholeFile(const QString& path) {
    return ReadRegularFile(path, kMaxShowFileBytes);
}

// Slides whose picture file is gone, one line each.
QStringList MissingPictures(const SlideShowProject& p) {
    QStringList lines;
    for (int k = 1; k <= p.SlideCount(); ++k)
        if (!QFileInfo::exists(p.slide(k).PicturePath))
            lines << QStringLiteral("Slide %1: %2").arg(k).arg(p.slide(k).PicturePath);
    return lines;
}
} // namespace

ShowFileCommands::ShowFileCommands(MainWindow& form)
    : QObject(&form), form(form),
      recoveryFolder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)) {
    BuildMenu();
    recoveryDelay.setSingleShot(true);
    recoveryDelay.setInterval(kRecoveryDelayMilliseconds);
    connect(&recoveryDelay, &QTimer::timeout, this, &ShowFileCommands::WriteRecoveryNow);
    connect(&form.document(), &ShowDocument::changed, this, &ShowFileCommands::ShowChanged);
    connect(&form.document(), &ShowDocument::modifiedChanged, this,
            &ShowFileCommands::RefreshCaption);
}

ShowFileCommands::~ShowFileCommands() {
    WaitForRecovery();
}

void ShowFileCommands::setRecoveryFolder(const QString& folder) {
    WaitForRecovery();
    recoverySlot.reset();
    recoveryClaimed = false;
    recoveryFolder = folder;
}

void ShowFileCommands::BuildMenu() {
    QMenu* menu = form.ui.mnuFile;
    QAction* first = form.ui.mnuAddPictures;
    auto add = [&](const char* name, const QString& text, QKeySequence::StandardKey key,
                   void (ShowFileCommands::*handler)()) {
        auto* action = new QAction(text, menu);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        menu->insertAction(first, action);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    add("mnuNewShow", QStringLiteral("New Show"), QKeySequence::New, &ShowFileCommands::NewShow);
    add("mnuOpenShow", QStringLiteral("Open Show..."), QKeySequence::Open,
        &ShowFileCommands::OpenShow);
    auto* save = new QAction(QStringLiteral("Save Show"), menu);
    save->setObjectName(QStringLiteral("mnuSaveShow"));
    save->setShortcut(QKeySequence::Save);
    menu->insertAction(first, save);
    connect(save, &QAction::triggered, this, [this] { SaveShow(); });
    auto* saveAs = new QAction(QStringLiteral("Save Show As..."), menu);
    saveAs->setObjectName(QStringLiteral("mnuSaveShowAs"));
    saveAs->setShortcut(QKeySequence::SaveAs);
    menu->insertAction(first, saveAs);
    connect(saveAs, &QAction::triggered, this, [this] { SaveShowAs(); });
    menu->insertSeparator(first);
    // The recent shows go just above Exit, between separators.
    recentSeparator = menu->insertSeparator(form.ui.mnuExit);
    RefreshRecentMenu();
}

QStringList ShowFileCommands::RecentShows() const {
    return ToolSettings()->value(kRecentKey).toStringList();
}

void ShowFileCommands::RememberRecent(const QString& path) {
    QStringList list = RecentShows();
    list.removeAll(path);
    list.prepend(path);
    ToolSettings()->setValue(kRecentKey, QStringList(list.mid(0, kRecentShows)));
    RefreshRecentMenu();
}

void ShowFileCommands::RefreshRecentMenu() {
    qDeleteAll(recentActions);
    recentActions.clear();
    const QStringList list = RecentShows();
    for (int i = 0; i < list.size(); ++i) {
        const QString path = list[i];
        auto* action = new QAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()), form.ui.mnuFile);
        action->setObjectName(QStringLiteral("mnuRecentShow%1").arg(i + 1));
        action->setToolTip(path);
        action->setStatusTip(path);
        form.ui.mnuFile->insertAction(form.ui.mnuExit, action);
        connect(action, &QAction::triggered, this, [this, path] { OpenShowFile(path); });
        recentActions << action;
    }
    // The separator under the list goes when the list is empty.
    recentSeparator->setVisible(!list.isEmpty());
    if (!list.isEmpty())
        form.ui.mnuFile->insertAction(form.ui.mnuExit, recentSeparator);
}

ShowFileContext ShowFileCommands::Context() const {
    return {ProgramFolder(), QDir::homePath(), QString()};
}

bool ShowFileCommands::IsModified() const {
    return form.document().IsModified();
}

bool ShowFileCommands::MaybeSave() {
    form.CommitPendingEdit();
    if (!IsModified())
        return true;
    const MsgResult answer = form.prompter().messageBox(
        {QStringLiteral("Save changes to %1?").arg(doc.DisplayName()), kTitle,
         MsgButtons::YesNoCancel, MsgIcon::Exclamation, MsgResult::Yes});
    if (answer == MsgResult::Cancel)
        return false;
    return answer == MsgResult::No || SaveShow();
}

void ShowFileCommands::NewShow() {
    if (!MaybeSave())
        return;
    SlideShowProject& p = form.project();
    p.Clear();
    p.names = CompileNames{};
    p.flags = EditorFlags{};
    p.settings.SongPath.clear();
    p.settings.TitleMessage.clear();
    SetNewShowChoices(p.settings);
    form.FillBackgrounds(0);
    doc = ShowFileState{};
    form.ShowProjectInWindow();
    form.history().Reset();
    RefreshCaption();
}

void ShowFileCommands::OpenShow() {
    if (!MaybeSave())
        return;
    const QString folder = doc.path.isEmpty() ? QDir::homePath() : QFileInfo(doc.path).path();
    const QStringList chosen =
        form.prompter().openFiles({QStringLiteral("Open Show"), folder, {kFilter}, false});
    if (!chosen.isEmpty())
        LoadShow(chosen.first());
}

// Also asked when the file is the show already open: opening it again
// reads it as it was saved, so unsaved changes would be lost.
bool ShowFileCommands::OpenShowFile(const QString& file) {
    return MaybeSave() && LoadShow(file);
}

bool ShowFileCommands::LoadShow(const QString& file) {
    const QString path = QFileInfo(file).absoluteFilePath();
    const auto read = LoadShowFile(path, Context());
    if (const QString* error = std::get_if<QString>(&read)) {
        form.prompter().inform(*error, QStringLiteral("Open Show"), MsgIcon::Critical);
        return false;
    }
    const LoadedShow& show = std::get<LoadedShow>(read);
    doc = ShowFileState{};
    doc.path = path;
    doc.kept = show.kept;
    doc.MarkOnDisk(ReadWholeFile(path).value_or(QByteArray()));
    ShowLoaded(show, false);
    RememberRecent(path);
    RefreshCaption();
    // Said once, here: saving writes the unknown keys back without a word.
    if (!show.warnings.isEmpty())
        form.prompter().messageBox(
            {QStringLiteral("%1 holds keys this version of Pevrano Slide Show does not know. "
                            "They are kept and saved with the show, but not used.")
                 .arg(doc.DisplayName()),
             QStringLiteral("Open Show"), MsgButtons::Ok, MsgIcon::Information, std::nullopt,
             show.warnings.join(QLatin1Char('\n'))});
    const QStringList missing = MissingPictures(form.project());
    if (!missing.isEmpty())
        form.prompter().messageBox(
            {QStringLiteral("These pictures could not be found. Their slides keep their captions "
                            "and colours. Replace the pictures before compiling the show."),
             QStringLiteral("Open Show"), MsgButtons::Ok, MsgIcon::Exclamation, std::nullopt,
             missing.join(QLatin1Char('\n'))});
    return true;
}

void ShowFileCommands::ShowLoaded(const LoadedShow& show, bool unsaved) {
    TakeLoadedShow(form.project(), show);
    form.ShowProjectInWindow();
    form.history().Reset(unsaved);
}

bool ShowFileCommands::SaveShow() {
    form.CommitPendingEdit();
    if (doc.path.isEmpty())
        return SaveShowAs();
    return SaveTo(doc.path);
}

bool ShowFileCommands::SaveShowAs() {
    form.CommitPendingEdit();
    const QString proposed = doc.path.isEmpty()
                                 ? QDir(QDir::homePath()).filePath(QStringLiteral("show.json"))
                                 : doc.path;
    const QString chosen =
        form.prompter().saveFile({QStringLiteral("Save Show As"), proposed, {kFilter}, false});
    return !chosen.isEmpty() && SaveTo(QFileInfo(chosen).absoluteFilePath());
}

bool ShowFileCommands::SaveTo(const QString& path) {
    // Another window (or program) may have saved the same show meanwhile.
    if (path == doc.path && doc.ChangedOnDisk()) {
        const MsgResult answer = form.prompter().messageBox(
            {QStringLiteral("%1 was changed on disk since it was opened or saved here, perhaps "
                            "by another window.\n\nYes saves over those changes, No saves this "
                            "show under another name, Cancel saves nothing.")
                 .arg(doc.DisplayName()),
             QStringLiteral("Save Show"), MsgButtons::YesNoCancel, MsgIcon::Exclamation,
             MsgResult::Cancel});
        if (answer == MsgResult::No)
            return SaveShowAs();
        if (answer != MsgResult::Yes)
            return false;
    }
    ShowFileState saving = doc;
    saving.path = path;
    const QByteArray bytes = saving.Json(form.project(), ProgramFolder());
    if (const std::optional<QString> failed = SaveFileAtomically(path, bytes)) {
        form.prompter().inform(QStringLiteral("The show could not be saved to %1:\n%2\n\n"
                                              "The file there is unchanged.")
                                   .arg(QDir::toNativeSeparators(path), *failed),
                               QStringLiteral("Save Show"), MsgIcon::Critical);
        return false;
    }
    doc = saving;
    doc.MarkOnDisk(bytes);
    form.history().MarkSaved();
    RememberRecent(path);
    RefreshCaption();
    RemoveRecovery();
    return true;
}

void ShowFileCommands::RefreshCaption() {
    const bool modified = IsModified();
    if (doc.path.isEmpty() && !modified)
        form.SetShowName(QString());
    else
        form.SetShowName(doc.DisplayName() + (modified ? QStringLiteral("*") : QString()));
}

void ShowFileCommands::ShowChanged() {
    RefreshCaption();
    if (closed)
        return;
    if (!IsModified()) {
        RemoveRecovery();
        return;
    }
    // Written once the delay is up, from the show as it is then: a run of
    // changes is one write.
    if (!recoveryDelay.isActive())
        recoveryDelay.start();
}

QString ShowFileCommands::RecoveryPath() const {
    // Claimed once: a window that could have none does not try again on
    // every write.
    if (!recoveryClaimed) {
        recoveryClaimed = true;
        recoverySlot = RecoveryFolder(recoveryFolder).ClaimFree();
    }
    return recoverySlot ? recoverySlot->file : QString();
}

void ShowFileCommands::WriteRecoveryNow() {
    recoveryDelay.stop();
    WaitForRecovery();
    if (closed || RecoveryPath().isEmpty())
        return;
    ++recoveryWrites;
    recoveryWrite = QtConcurrent::run([folder = recoveryFolder, path = RecoveryPath(),
                                       bytes = doc.RecoveryJson(form.document().show())] {
        // Best effort: a recovery file that cannot be written is no reason to
        // interrupt the user.
        QDir().mkpath(folder);
        SaveFileAtomically(path, bytes);
    });
}

void ShowFileCommands::WaitForRecovery() {
    recoveryWrite.waitForFinished();
}

void ShowFileCommands::RemoveRecovery() {
    recoveryDelay.stop();
    WaitForRecovery();
    if (recoverySlot)
        QFile::remove(recoverySlot->file);
}

void ShowFileCommands::Close() {
    RemoveRecovery();
    closed = true;
    disconnect(&form.document(), nullptr, this, nullptr);
}

void ShowFileCommands::StartUp(const QString& show) {
    const bool restored = OfferRecovery();
    // Opening the show just restored would read its saved file over the
    // restored changes.
    if (!show.isEmpty() && !(restored && QFileInfo(show).absoluteFilePath() == doc.path))
        OpenShowFile(show);
}

bool ShowFileCommands::OfferRecovery() {
    bool restoredHere = false;
    for (RecoverySlot& left : RecoveryFolder(recoveryFolder).ClaimLeftBehind()) {
        const std::optional<QByteArray> bytes = ReadWholeFile(left.file);
        std::optional<RecoveredShow> recovered =
            bytes ? ReadRecovery(*bytes, Context()) : std::nullopt;
        if (!recovered) {
            // Kept for the user, out of the way of the windows' files.
            const QString aside = RecoveryFolder::SetAside(left.file);
            form.prompter().inform(
                aside.isEmpty()
                    ? QStringLiteral("A recovery file could not be read, so its changes cannot "
                                     "be restored. It was left as it is:\n%1")
                          .arg(QDir::toNativeSeparators(left.file))
                    : QStringLiteral("A recovery file could not be read, so its changes cannot "
                                     "be restored. It was kept as:\n%1")
                          .arg(QDir::toNativeSeparators(aside)),
                kTitle, MsgIcon::Exclamation);
            continue;
        }
        const QString name = recovered->path.isEmpty() ? QStringLiteral("Untitled")
                                                       : QFileInfo(recovered->path).fileName();
        const MsgResult answer = form.prompter().messageBox(
            {QStringLiteral("Pevrano Slide Show did not close properly. Restore the unsaved "
                            "changes to %1?")
                 .arg(name),
             kTitle, MsgButtons::YesNo, MsgIcon::Question, MsgResult::Yes});
        if (answer != MsgResult::Yes) {
            QFile::remove(left.file);
            continue;
        }
        if (!restoredHere) {
            TakeRecovered(std::move(left), *recovered);
            restoredHere = true;
        } else if (MainWindow* other = form.seams.openWindow ? form.seams.openWindow() : nullptr) {
            other->showFiles().TakeRecovered(std::move(left), *recovered);
        }
        // Without another window the file stays, offered again next time.
    }
    return restoredHere;
}

void ShowFileCommands::TakeRecovered(RecoverySlot slot, const RecoveredShow& recovered) {
    // This window's own file, if it had one yet, gives way to the one taken
    // over, which keeps the restored changes safe until they are saved.
    RemoveRecovery();
    recoverySlot = std::move(slot);
    recoveryClaimed = true;
    doc = ShowFileState{};
    doc.path = recovered.path;
    doc.kept = recovered.show.kept;
    // The file as the crashed window last read or wrote it: a save over what
    // another window saved since asks first.
    doc.MarkOnDiskDigest(recovered.onDiskDigest);
    // The restored show counts as unsaved until the user saves it.
    ShowLoaded(recovered.show, true);
    RefreshCaption();
}
