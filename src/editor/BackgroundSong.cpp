#include "editor/BackgroundSong.h"

#include "platform/FilePaths.h"
#include "platform/MediaPlayer.h"
#include "platform/Prompter.h"
#include "project/ShowSettings.h"
#include "project/ToolPreferences.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <utility>

BackgroundSong::BackgroundSong(ShowSettings& settings, ToolPreferences& tool, MediaPlayer& player,
                               Prompter& ui)
    : settings(settings), tool(tool), player(player), ui(ui),
      label(QStringLiteral(": None Selected")) {
    player.setFailureHandler([this](const QString&) { playerFailed(); });
}

BackgroundSong::~BackgroundSong() {
    player.setFailureHandler({});
}

void BackgroundSong::selectSong() {
    FileDialogRequest request;
    request.title = QStringLiteral("Select a Song File");
    request.directory = tool.MusicDir.isEmpty() ? QDir::homePath() : tool.MusicDir;
    request.filters = {QStringLiteral("Sound Files (MP3 WAV MID) (*.mp3 *.wav *.mid *.midi)"),
                       QStringLiteral("MP3 (*.MP3) (*.mp3)"), QStringLiteral("WAV(*.WAV) (*.wav)"),
                       QStringLiteral("MID(*.MID *.MIDI) (*.mid *.midi)")};
    const QStringList chosen = ui.openFiles(request);
    if (!chosen.isEmpty())
        UseSong(chosen.front());
}

bool BackgroundSong::IsSongFile(const QString& path) {
    static const QStringList kinds{QStringLiteral(".mp3"), QStringLiteral(".wav"),
                                   QStringLiteral(".mid"), QStringLiteral(".midi")};
    return std::any_of(kinds.begin(), kinds.end(), [&path](const QString& kind) {
        return path.endsWith(kind, Qt::CaseInsensitive);
    });
}

void BackgroundSong::UseSong(const QString& chosen) {
    const QString path = QDir::toNativeSeparators(chosen);
    settings.SongPath = path;
    fileName = GetJustFileName(path);
    tool.MusicDir = path.left(path.size() - fileName.size());
    label = QStringLiteral(": ") + fileName;
    setSoundOn(tool.SoundOn);
}

void BackgroundSong::removeSong() {
    label = QStringLiteral("None Selected:");
    settings.SongPath.clear();
    fileName.clear();
    player.stop();
}

void BackgroundSong::setSoundOn(bool ticked) {
    tool.SoundOn = ticked;
    if (settings.SongPath.isEmpty())
        return;
    player.stop();
    player.setSource(settings.SongPath);
    startAfterClip = ticked && heldForClip;
    if (ticked && !heldForClip)
        player.play(kPlayCount);
    else
        player.stop();
}

void BackgroundSong::HoldForClip() {
    if (std::exchange(heldForClip, true))
        return;
    player.pause();
}

void BackgroundSong::ResumeAfterClip() {
    if (!std::exchange(heldForClip, false))
        return;
    if (!tool.SoundOn || settings.SongPath.isEmpty())
        return;
    if (std::exchange(startAfterClip, false))
        player.play(kPlayCount);
    else
        player.resume();
}

void BackgroundSong::ShowStoredSong() {
    player.stop();
    fileName = settings.SongPath.isEmpty() ? QString() : GetJustFileName(settings.SongPath);
    label =
        QStringLiteral(": ") + (fileName.isEmpty() ? QStringLiteral("None Selected") : fileName);
    setSoundOn(tool.SoundOn);
}

void BackgroundSong::playerFailed() {
    ui.messageBox({QStringLiteral("Error occured but keep going."),
                   QCoreApplication::applicationName(),
                   MsgButtons::Ok,
                   MsgIcon::None,
                   {}});
}
