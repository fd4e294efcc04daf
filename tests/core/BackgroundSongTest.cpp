#include "editor/BackgroundSong.h"
#include "RecordingMediaPlayer.h"
#include "ScriptedPrompter.h"
#include "project/ShowSettings.h"

#include <gtest/gtest.h>

namespace {
struct Song : ::testing::Test {
    ShowSettings settings = ShowSettings::FirstStart("/prog", "/home/me");
    RecordingMediaPlayer player;
    ScriptedPrompter ui;
    BackgroundSong song{settings, player, ui};

    void choose(const QString& path) {
        ui.queueFiles({path});
        song.cmdSelectSong_Click();
    }
};
} // namespace

TEST_F(Song, DialogAsksForASongInMusicDir) {
    EXPECT_EQ(song.labelText(), ": None Selected");
    ui.queueFiles({});
    song.cmdSelectSong_Click();
    ASSERT_EQ(ui.questions().size(), 1u);
    const FileDialogRequest& r = ui.questions()[0].fileDialog;
    EXPECT_EQ(r.title, "Select a Song File");
    EXPECT_EQ(r.directory, "/home/me");
    EXPECT_FALSE(r.multiSelect);
    ASSERT_EQ(r.filters.size(), 4);
    EXPECT_TRUE(r.filters[0].contains("*.midi")); // either case of every kind
    // Cancel changes nothing.
    EXPECT_TRUE(settings.SongPath.isEmpty());
    EXPECT_EQ(settings.MusicDir, "/home/me");
    EXPECT_EQ(song.labelText(), ": None Selected");
    EXPECT_TRUE(player.calls().isEmpty());
}

TEST_F(Song, ChoosingWhileTickedPlaysFifteenTimesAtOnce) {
    settings.SoundOn = true;
    choose("/music/road trip/tune.mp3");
    EXPECT_EQ(settings.SongPath, "/music/road trip/tune.mp3");
    EXPECT_EQ(settings.MusicDir, "/music/road trip/");
    EXPECT_EQ(song.labelText(), ": tune.mp3");
    EXPECT_EQ(player.calls(), QStringList({"stop", "source /music/road trip/tune.mp3", "play 15"}));
    // The next dialog opens where the last song was.
    ui.queueFiles({});
    song.cmdSelectSong_Click();
    EXPECT_EQ(ui.questions().back().fileDialog.directory, "/music/road trip/");
}

// A show that replaces the last one brings its own song, or none.
TEST_F(Song, ReplacedShowBringsItsSong) {
    choose("/music/a.wav");
    settings.SongPath = "/music/other/b.mp3";
    settings.SoundOn = true;
    player.clear();
    song.ShowStoredSong();
    EXPECT_EQ(song.labelText(), ": b.mp3");
    EXPECT_EQ(song.SongFileName(), "b.mp3");
    EXPECT_EQ(player.calls(),
              QStringList({"stop", "stop", "source /music/other/b.mp3", "play 15"}));
    settings.SongPath.clear();
    song.ShowStoredSong();
    EXPECT_EQ(song.labelText(), ": None Selected");
    EXPECT_TRUE(song.SongFileName().isEmpty());
    EXPECT_EQ(player.calls().back(), "stop");
}

TEST_F(Song, ChoosingWhileUntickedOnlyStops) {
    choose("/music/a.wav");
    EXPECT_EQ(player.calls(), QStringList({"stop", "source /music/a.wav", "stop"}));
    player.clear();
    song.Check1_Click(true);
    EXPECT_TRUE(settings.SoundOn);
    EXPECT_EQ(player.calls(), QStringList({"stop", "source /music/a.wav", "play 15"}));
    player.clear();
    song.Check1_Click(false);
    EXPECT_FALSE(settings.SoundOn);
    EXPECT_EQ(player.calls(), QStringList({"stop", "source /music/a.wav", "stop"}));
}

TEST_F(Song, RemovedSongIsNotPlayedWhenTicked) {
    choose("/music/a.mid");
    player.clear();
    song.cmdDeleteSong_Click();
    EXPECT_EQ(song.labelText(), "None Selected:");
    EXPECT_TRUE(settings.SongPath.isEmpty());
    EXPECT_EQ(player.calls(), QStringList({"stop"}));
    player.clear();
    song.Check1_Click(true);
    EXPECT_TRUE(settings.SoundOn); // remembered for the next song
    EXPECT_TRUE(player.calls().isEmpty());
}

TEST_F(Song, PlayerFailureIsReportedOncePerFailureAndKeepsTheSong) {
    settings.SoundOn = true;
    choose("/music/broken.mp3");
    ASSERT_TRUE(ui.messages().empty());
    player.fail("Could not determine type of stream.");
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, "Error occured but keep going.");
    EXPECT_EQ(settings.SongPath, "/music/broken.mp3");
    EXPECT_EQ(song.labelText(), ": broken.mp3");
}
