#include "editor/BackgroundSong.h"
#include "RecordingMediaPlayer.h"
#include "ScriptedPrompter.h"
#include "project/ShowSettings.h"
#include "project/ToolPreferences.h"

#include <gtest/gtest.h>

namespace {
struct Song : ::testing::Test {
    ShowSettings settings = ShowSettings::FirstStart("/prog");
    ToolPreferences tool = ToolPreferences::FirstStart("/home/me");
    RecordingMediaPlayer player;
    ScriptedPrompter ui;
    BackgroundSong song{settings, tool, player, ui};

    void choose(const QString& path) {
        ui.queueFiles({path});
        song.selectSong();
    }
};
} // namespace

TEST_F(Song, DialogAsksInMusicDirAndCancelChangesNothing) {
    ui.queueFiles({});
    song.selectSong();
    ASSERT_EQ(ui.questions().size(), 1u);
    const FileDialogRequest& r = ui.questions()[0].fileDialog;
    EXPECT_EQ(r.directory, "/home/me");
    EXPECT_TRUE(r.filters[0].contains("*.midi")); // either case of every kind
    EXPECT_TRUE(settings.SongPath.isEmpty());
    EXPECT_EQ(song.labelText(), ": None Selected");
    EXPECT_TRUE(player.calls().isEmpty());
}

TEST_F(Song, ChoosingWhileTickedPlaysFifteenTimesAtOnce) {
    tool.SoundOn = true;
    choose("/music/road trip/tune.mp3");
    EXPECT_EQ(tool.MusicDir, "/music/road trip/");
    EXPECT_EQ(song.labelText(), ": tune.mp3");
    EXPECT_EQ(player.calls(), QStringList({"stop", "source /music/road trip/tune.mp3", "play 15"}));
}

// A show that replaces the last one brings its own song, or none.
TEST_F(Song, ReplacedShowBringsItsSong) {
    choose("/music/a.wav");
    settings.SongPath = "/music/other/b.mp3";
    tool.SoundOn = true;
    player.clear();
    song.ShowStoredSong();
    EXPECT_EQ(song.SongFileName(), "b.mp3");
    EXPECT_EQ(player.calls(),
              QStringList({"stop", "stop", "source /music/other/b.mp3", "play 15"}));
    settings.SongPath.clear();
    song.ShowStoredSong();
    EXPECT_TRUE(song.SongFileName().isEmpty());
    EXPECT_EQ(player.calls().back(), "stop");
}

TEST_F(Song, TickingPlaysAndUntickingStopsButARemovedSongIsNotPlayed) {
    choose("/music/a.wav");
    EXPECT_EQ(player.calls(), QStringList({"stop", "source /music/a.wav", "stop"}));
    player.clear();
    song.setSoundOn(true);
    EXPECT_EQ(player.calls(), QStringList({"stop", "source /music/a.wav", "play 15"}));
    song.setSoundOn(false);
    EXPECT_FALSE(tool.SoundOn);
    EXPECT_EQ(player.calls().back(), "stop");

    song.removeSong();
    EXPECT_TRUE(settings.SongPath.isEmpty());
    player.clear();
    song.setSoundOn(true);
    EXPECT_TRUE(tool.SoundOn); // remembered for the next song
    EXPECT_TRUE(player.calls().isEmpty());
}

TEST_F(Song, PlayerFailureIsReportedOncePerFailureAndKeepsTheSong) {
    tool.SoundOn = true;
    choose("/music/broken.mp3");
    ASSERT_TRUE(ui.messages().empty());
    player.fail("Could not determine type of stream.");
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, "Error occured but keep going.");
    EXPECT_EQ(settings.SongPath, "/music/broken.mp3");
}
