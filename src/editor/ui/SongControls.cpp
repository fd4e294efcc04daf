#include "editor/ui/SongControls.h"

#include "editor/ui/Form1.h"
#include "editor/ui/undo/EditHistory.h"
#include "platform/ui/QtMediaPlayer.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

SongControls::SongControls(Form1& f) : form(f) {
    usePlayer(std::make_unique<QtMediaPlayer>());
    connect(form.ui.cmdSelectSong, &QPushButton::clicked, this, &SongControls::cmdSelectSong_Click);
    connect(form.ui.cmdDeleteSong, &QPushButton::clicked, this, &SongControls::cmdDeleteSong_Click);
    // Also when the box is set by the program (StopPreview).
    connect(form.ui.Check1, &QCheckBox::toggled, this, &SongControls::Check1_Click);
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

void SongControls::cmdSelectSong_Click() {
    const EditStep step(form.history(), EditKind::Song);
    song->cmdSelectSong_Click();
    showLabel();
}

void SongControls::UseDroppedSong(const QString& path) {
    const EditStep step(form.history(), EditKind::Song);
    song->UseSong(path);
    showLabel();
}

void SongControls::cmdDeleteSong_Click() {
    const EditStep step(form.history(), EditKind::Song);
    song->cmdDeleteSong_Click();
    showLabel();
}

void SongControls::Check1_Click() {
    song->Check1_Click(form.ui.Check1->isChecked());
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
