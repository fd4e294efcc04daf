#include "editor/ui/ShowFileCommands.h"

#include "compiler/ShowFileWriter.h"
#include "editor/ui/Form1.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompter.h"
#include "platform/ToolSettings.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
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

// Slides whose picture file is gone, one line each.
QStringList MissingPictures(const SlideShowProject& p) {
    QStringList lines;
    for (int k = 1; k <= p.SlideCount(); ++k)
        if (!QFileInfo::exists(p.slide(k).PicturePath))
            lines << QStringLiteral("Slide %1: %2").arg(k).arg(p.slide(k).PicturePath);
    return lines;
}
} // namespace

ShowFileCommands::ShowFileCommands(Form1& form)
    : QObject(&form), form(form),
      recoveryFolder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)) {
    BuildMenu();
    doc.MarkSaved(form.project());
    connect(&watch, &QTimer::timeout, this, &ShowFileCommands::Tick);
    watch.start(kWatchMilliseconds);
}

ShowFileCommands::~ShowFileCommands() {
    WaitForRecovery();
}

void ShowFileCommands::setRecoveryFolder(const QString& folder) {
    WaitForRecovery();
    recoveryLock.reset();
    recoveryFile.clear();
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
    return doc.IsModified(form.project());
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
    form.FillBackgrounds(0);
    doc = ShowDocument{};
    doc.MarkSaved(p);
    form.ShowProjectInWindow();
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
    doc = ShowDocument{};
    doc.path = path;
    doc.otherSettings = show.otherSettings;
    ShowLoaded(show);
    doc.MarkSaved(form.project());
    RememberRecent(path);
    RefreshCaption();
    const QStringList missing = MissingPictures(form.project());
    if (!missing.isEmpty())
        form.prompter().inform(
            QStringLiteral("These pictures could not be found:\n\n") +
                missing.join(QLatin1Char('\n')) +
                QStringLiteral("\n\nTheir slides keep their captions and colours. "
                               "Replace the pictures before compiling the show."),
            QStringLiteral("Open Show"), MsgIcon::Exclamation);
    return true;
}

void ShowFileCommands::ShowLoaded(const LoadedShow& show) {
    TakeLoadedShow(form.project(), show);
    form.ShowProjectInWindow();
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
    ShowDocument saving = doc;
    saving.path = path;
    if (const std::optional<QString> failed =
            SaveFileAtomically(path, saving.Json(form.project()))) {
        form.prompter().inform(QStringLiteral("The show could not be saved to %1:\n%2\n\n"
                                              "The file there is unchanged.")
                                   .arg(QDir::toNativeSeparators(path), *failed),
                               QStringLiteral("Save Show"), MsgIcon::Critical);
        return false;
    }
    doc = saving;
    doc.MarkSaved(form.project());
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

QString ShowFileCommands::RecoveryPath() const {
    // Claimed once: a window that could have none does not try again on
    // every write.
    if (recoveryClaimed)
        return recoveryFile;
    recoveryClaimed = true;
    QDir().mkpath(recoveryFolder);
    const QDir folder(recoveryFolder);
    for (int n = 1; n <= kRecoverySlots; ++n) {
        const QString name =
            n == 1 ? QStringLiteral("recovery.json") : QStringLiteral("recovery-%1.json").arg(n);
        auto lock = std::make_unique<QLockFile>(folder.filePath(name + QStringLiteral(".lock")));
        // Held for as long as the window lives (not stale with age); a lock
        // left by a window that crashed names a process that is gone and is
        // taken over.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            recoveryLock = std::move(lock);
            recoveryFile = folder.filePath(name);
            break;
        }
        if (lock->error() != QLockFile::LockFailedError)
            break; // an unwritable folder: no recovery file can be kept
    }
    // Empty when none could be had: this window keeps no recovery file.
    return recoveryFile;
}

void ShowFileCommands::Tick() {
    RefreshCaption();
    if (!IsModified()) {
        changedSince.reset();
        if (!recoveryWritten.isEmpty())
            RemoveRecovery();
        return;
    }
    if (doc.RecoveryJson(form.project()) == recoveryWritten) {
        changedSince.reset();
        return;
    }
    if (!changedSince) {
        changedSince.emplace();
        changedSince->start();
    }
    if (changedSince->elapsed() >= kRecoveryDelayMilliseconds && !recoveryWrite.isRunning())
        WriteRecoveryNow();
}

void ShowFileCommands::WriteRecoveryNow() {
    WaitForRecovery();
    if (RecoveryPath().isEmpty())
        return;
    recoveryWritten = doc.RecoveryJson(form.project());
    changedSince.reset();
    recoveryWrite = QtConcurrent::run(
        [folder = recoveryFolder, path = RecoveryPath(), bytes = recoveryWritten] {
            // Best effort: a recovery file that cannot be written is no reason to
            // interrupt the user.
            QDir().mkpath(folder);
            SaveFileAtomically(path, bytes);
        });
}

void ShowFileCommands::CheckNow() {
    Tick();
    WaitForRecovery();
}

void ShowFileCommands::WaitForRecovery() {
    recoveryWrite.waitForFinished();
}

void ShowFileCommands::RemoveRecovery() {
    WaitForRecovery();
    recoveryWritten.clear();
    if (!recoveryFile.isEmpty())
        QFile::remove(recoveryFile);
}

void ShowFileCommands::StartUp(const QString& show) {
    const bool restored = OfferRecovery();
    // Opening the show just restored would read its saved file over the
    // restored changes.
    if (!show.isEmpty() && !(restored && QFileInfo(show).absoluteFilePath() == doc.path))
        OpenShowFile(show);
}

bool ShowFileCommands::OfferRecovery() {
    const QString path = RecoveryPath();
    if (path.isEmpty())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    std::optional<RecoveredShow> recovered = ReadRecovery(file.readAll(), Context());
    file.close();
    if (!recovered) {
        RemoveRecovery();
        return false;
    }
    const QString name = recovered->path.isEmpty() ? QStringLiteral("Untitled")
                                                   : QFileInfo(recovered->path).fileName();
    const MsgResult answer = form.prompter().messageBox(
        {QStringLiteral("Pevrano Slide Show did not close properly. Restore the unsaved "
                        "changes to %1?")
             .arg(name),
         kTitle, MsgButtons::YesNo, MsgIcon::Question, MsgResult::Yes});
    if (answer != MsgResult::Yes) {
        RemoveRecovery();
        return false;
    }
    doc = ShowDocument{};
    doc.path = recovered->path;
    doc.otherSettings = recovered->show.otherSettings;
    // What the file on disk holds is unknown here; the restored show counts
    // as unsaved until the user saves it.
    doc.MarkSaved(SlideShowProject{});
    ShowLoaded(recovered->show);
    RefreshCaption();
    return true;
}
