#include "editor/ui/SongControls.h"
#include "RecordingMediaPlayer.h"
#include "ScriptedPrompter.h"
#include "editor/ui/Form1.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(SongControlsTest, SoundSwitchPlaysStopsAndReportsFailure) {
    ScriptedPrompter ui;
    Form1 form(ui);
    auto owned = std::make_unique<RecordingMediaPlayer>();
    RecordingMediaPlayer& player = *owned;
    form.song().usePlayer(std::move(owned));

    // Ticked without a song: remembered, nothing played.
    form.ui.Check1->click();
    EXPECT_TRUE(form.project().settings.SoundOn);
    EXPECT_TRUE(player.calls().isEmpty());

    ui.queueFiles({"/music/tune.mid"});
    form.ui.cmdSelectSong->click();
    EXPECT_EQ(form.ui.lblSongSeleted->text(), ": tune.mid");
    EXPECT_EQ(player.calls(), QStringList({"stop", "source /music/tune.mid", "play 15"}));

    player.clear();
    form.song().StopPreview(); // as the compile command does
    EXPECT_EQ(player.calls(), QStringList({"stop", "source /music/tune.mid", "stop"}));
    EXPECT_FALSE(form.ui.Check1->isChecked());
    EXPECT_FALSE(form.project().settings.SoundOn);

    player.fail("Could not determine type of stream.");
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, "Error occured but keep going.");
    EXPECT_EQ(ui.messages()[0].title, "Pevrano Slide Show");

    form.ui.cmdDeleteSong->click();
    EXPECT_EQ(form.ui.lblSongSeleted->text(), "None Selected:");
}
