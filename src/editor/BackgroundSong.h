#pragma once

#include <QString>

class MediaPlayer;
class Prompter;
struct ShowSettings;
struct ToolPreferences;

// The song commands of the main window: choosing and removing the show's
// song and the "Sound On" switch that plays it in the editor. The window
// shows labelText() in lblSongSeleted after each command.
class BackgroundSong {
public:
    static constexpr int kPlayCount = 15;

    // Takes the player's failure report for as long as it lives.
    BackgroundSong(ShowSettings& settings, ToolPreferences& tool, MediaPlayer& player,
                   Prompter& ui);
    ~BackgroundSong();
    BackgroundSong(const BackgroundSong&) = delete;
    BackgroundSong& operator=(const BackgroundSong&) = delete;

    void selectSong();
    void removeSong();
    // The song becomes the show's, as if chosen in the song dialog.
    void UseSong(const QString& path);
    // A file of the kinds the song dialog offers (MP3, WAV, MIDI).
    static bool IsSongFile(const QString& path);
    // `ticked` is the new state of Check1; it becomes SoundOn.
    void setSoundOn(bool ticked);
    // After the show was replaced (new, opened or restored): the label and
    // the player follow the new show's song.
    void ShowStoredSong();

    // While a clip plays in the window the song waits, and goes on after.
    void HoldForClip();
    void ResumeAfterClip();

    const QString& labelText() const { return label; }
    // The song's file name without its folder; empty when there is no song.
    const QString& SongFileName() const { return fileName; }

private:
    void playerFailed();

    ShowSettings& settings;
    ToolPreferences& tool;
    MediaPlayer& player;
    Prompter& ui;
    QString label;
    QString fileName;
    bool heldForClip = false;
    // "Sound On" was ticked while a clip played: the song starts after it.
    bool startAfterClip = false;
};
