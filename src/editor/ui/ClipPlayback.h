#pragma once

#include <QObject>
#include <QString>

class ClipPlayer;
class MainWindow;
class QPushButton;

// "Play Clip" on the preview: a button in the preview's corner, shown while
// the slide shown is a video clip, plays the clip in the picture's place,
// with its sound and the song held until it stops. Any change of the slide
// shown (a step, undo, a delete) stops it.
class ClipPlayback : public QObject {
    Q_OBJECT
public:
    explicit ClipPlayback(MainWindow& form);

    // The button: plays the slide's clip from its start, and the player
    // takes the keyboard (Escape or Space stops it).
    void playClip();
    // Plays the clip shown without taking the focus (auto run).
    void PlayShownClip();
    // The preview now shows `path` (empty: nothing).
    void SlideShown(const QString& path);
    void stop();
    bool playing() const;
    // The slide shown is a clip.
    bool ClipShown() const { return !shownClip.isEmpty(); }

    QPushButton* button() const { return playButton; }
    ClipPlayer* player() const { return clipPlayer; }

signals:
    // The clip stopped: at its end, or earlier (a slide change, the user,
    // a failure).
    void finished(bool atEnd);

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void place();
    void playerStopped(bool atEnd, bool byViewer);
    void refreshButton();

    MainWindow& form;
    QPushButton* playButton;
    ClipPlayer* clipPlayer;
    QString shownClip; // the slide shown when it is a clip
    // Played from the button: the keyboard comes back to it when the clip
    // ends or is stopped on the player.
    bool focusBack = false;
};
