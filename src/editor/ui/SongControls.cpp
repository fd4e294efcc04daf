#include "editor/ui/SongControls.h"

#include "editor/ui/MainWindow.h"
#include "editor/ui/undo/EditHistory.h"
#include "platform/ui/QtMediaPlayer.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

SongControls::SongControls(MainWindow& f) : form(f) {
    usePlayer(std::make_unique<QtMediaPlayer>());
    connect(form.ui.cmdSelectSong, &QPushButton::clicked, this, &SongControls::selectSong);
    connect(form.ui.cmdDeleteSong, &QPushButton::clicked, this, &SongControls::removeSong);
    // Also when the box is set by the program (StopPreview).
    connect(form.ui.Check1, &QCheckBox::toggled, this, &SongControls::setSoundOn);
}

SongControls::~SongControls() = default;

void SongControls::usePlayer(std::unique_ptr<MediaPlayer> next) {
    if (player)
        player->stop();
    song.reset();
    player = std::move(next);
    song = std::make_unique<BackgroundSong>(form.project().settings, form.project().tool, *player,
                                            form.prompter());
}

void SongControls::selectSong() {
    const EditStep step(form.history(), EditKind::Song);
    song->selectSong();
    showLabel();
}

void SongControls::UseDroppedSong(const QString& path) {
    const EditStep step(form.history(), EditKind::Song);
    song->UseSong(path);
    showLabel();
}

void SongControls::removeSong() {
    const EditStep step(form.history(), EditKind::Song);
    song->removeSong();
    showLabel();
}

void SongControls::setSoundOn() {
    song->setSoundOn(form.ui.Check1->isChecked());
}

void SongControls::StopPreview() {
    form.ui.Check1->setChecked(false);
}

void SongControls::ShowStoredSong() {
    song->ShowStoredSong();
    showLabel();
}

void SongControls::showLabel() {
    form.ui.lblSongSeleted->setText(song->labelText());
}
