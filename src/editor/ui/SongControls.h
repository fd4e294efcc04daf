#pragma once

#include "editor/BackgroundSong.h"

#include <QObject>
#include <memory>

class MainWindow;
class MediaPlayer;

// The song controls of the main window: "Select Song", "Delete Song", the
// "Sound On" box and the song label, on the Qt Multimedia player.
class SongControls : public QObject {
    Q_OBJECT
public:
    explicit SongControls(MainWindow& form);
    ~SongControls() override;

    BackgroundSong& commands() { return *song; }
    // Plays through another player from now on (tests use a recording one).
    void usePlayer(std::unique_ptr<MediaPlayer> player);

    void selectSong();
    void removeSong();
    // A song file dropped onto the window.
    void UseDroppedSong(const QString& path);
    void setSoundOn();
    // Stops the song preview as a compile does: the "Sound On" box is
    // unticked, which turns SoundOn off and stops the player.
    void StopPreview();
    // The song of a show that replaced the last one.
    void ShowStoredSong();

private:
    void showLabel();

    MainWindow& form;
    std::unique_ptr<MediaPlayer> player;
    std::unique_ptr<BackgroundSong> song;
};
