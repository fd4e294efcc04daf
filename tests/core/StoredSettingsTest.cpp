#include "PrintQt.h"
#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "editor/ShutDown.h"
#include "platform/ToolSettings.h"
#include "project/CompileChoices.h"
#include "project/SlideShowProject.h"
#include "project/StartUp.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <utility>
#include <variant>

namespace {
// The main window as the start-up and the settings see it: it keeps what it
// is told.
struct RecordingWindow : StartUpWindow {
    int chooser = 0;
    bool toolTips = true, sound = false;
    qint16 delay = 3;
    ColorValue captionFore = 0, captionBack = 0, newBackground = 0;

    void selectBackgroundMode(int) override {}
    void selectColorChooser(int i) override { chooser = i; }
    bool colorToolSelected() const override { return chooser == 0; }
    void tickToolTips(bool on) override { toolTips = on; }
    bool toolTipsTicked() const override { return toolTips; }
    void tickSound(bool on) override { sound = on; }
    bool soundTicked() const override { return sound; }
    bool showDelay(qint16 seconds) override {
        delay = seconds;
        return seconds <= 59; // the scroll bar's range is 3..59
    }
    void showCaptionForeColor(ColorValue c) override { captionFore = c; }
    void showCaptionBackColor(ColorValue c) override { captionBack = c; }
    ColorValue captionBoxBackColor() const override { return captionBack; }
    void showNewBackgroundColor(ColorValue c) override { newBackground = c; }
    ColorValue newBackgroundColor() const override { return newBackground; }
    void refreshColorBoxes() override {}

    void fillBackgrounds() override {}
    void configureToolTips() override {}
    void loadUserColors() override {}
    void showPictureNumber(int) override {}
    void takeDefaultCaptionFont() override {}
    void loadAndUnloadOptions() override {}
    void placeWindow() override {}
    void showPicturesLeft() override {}
    void switchToolTips() override {}
    void applyCaptionFont() override {}
};

// Every stored value away from its default, the controls agreeing.
ShowSettings NonDefaults(RecordingWindow& window, ToolPreferences& t) {
    ShowSettings s;
    t = ToolPreferences{};
    s.UseColTrueUsePicFalse = s.SameBkColorEverySlide = t.UseColorTool = t.ToolTipsOn = false;
    t.SoundOn = true;
    t.DirectoryLastOpenned = "/pics, with a comma";
    s.AmountOfSlidesFFRev = 12;
    s.NumSecDelay = 42;
    s.FontInUse = "DejaVu Serif";
    s.FontSizeInUse = "22";
    s.optIntBkImgOptionForm = 1;
    s.CaptionForeColor = RgbColor(255, 0, 0); // blue 0, green 0, red 255
    s.CaptionFrameColor = RgbColor(1, 2, 3);
    s.CaptionBackColor = window.captionBack = RgbColor(4, 5, 6);
    s.NewSlideBackColor = window.newBackground = RgbColor(7, 8, 9);
    t.ActiveColor = RgbColor(10, 11, 12);
    s.ButtonColors = {1, 2, 3, 4, 5};
    s.OpenPgBkPic = "/pics/open.gif";
    t.MusicDir = "/music/";
    s.Flashing = 0;
    s.FitPictures = true;
    s.FitWidth = 800;
    s.FitHeight = 9999;
    window.chooser = 1;
    window.toolTips = false;
    window.sound = true;
    return s;
}

// A real settings file of organisation "Pevrano", application "Settings" in
// a temporary folder.
struct StoredSettings : ::testing::Test {
    QTemporaryDir dir;
    RecordingWindow window;
    ShowSettings s;
    ToolPreferences t;

    StoredSettings() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    }
    QString file() const { return dir.filePath("Pevrano/Settings.conf"); }
    void store(const QString& name, const QString& text) {
        QSettings(QSettings::UserScope, kSettingsOrganization, kSettingsApplication)
            .setValue(name, text);
    }
    void read() {
        QSettings settings(QSettings::UserScope, kSettingsOrganization, kSettingsApplication);
        ReadInSettings(settings, s, t, window, "/opt/pss", "/home/u");
    }
    bool save() {
        QSettings settings(QSettings::UserScope, kSettingsOrganization, kSettingsApplication);
        return SaveFormSettings(settings, s, t, window);
    }
};
} // namespace

TEST_F(StoredSettings, FirstStartShowsTheDefaultsAndSavedValuesComeBack) {
    s = NonDefaults(window, t);
    read();
    ShowSettings defaults;
    SetNewShowChoices(defaults);
    defaults.OpenPgBkPic = "/opt/pss/wood.gif";
    EXPECT_EQ(s, defaults);
    EXPECT_EQ(t, ToolPreferences::FirstStart("/home/u"));
    EXPECT_TRUE(window.chooser == 0 && window.toolTips && !window.sound);

    const ShowSettings saved = s = NonDefaults(window, t);
    const ToolPreferences savedTool = t;
    ASSERT_TRUE(save());
    QSettings text(file(), QSettings::IniFormat);
    EXPECT_EQ(text.allKeys().size(), qsizetype(24 + std::size(kCompileChoices)));
    EXPECT_EQ(text.value("FitPictures").toString(), "True");
    EXPECT_EQ(text.value("picCapForeColor").toString(), "&H0000FF");
    EXPECT_EQ(text.value("Flashing").toString(), "False");
    s = ShowSettings{};
    t = ToolPreferences{};
    window = RecordingWindow{};
    read();
    EXPECT_EQ(s, saved);
    EXPECT_EQ(t, savedTool);
    EXPECT_EQ(window.captionFore, RgbColor(255, 0, 0));
    EXPECT_TRUE(window.chooser == 1 && !window.toolTips && window.sound);
}

// Every stored key with the text NonDefaults is stored as, as earlier
// versions wrote them: a file of theirs reads as these values, and saving
// them writes the same keys and texts back.
TEST_F(StoredSettings, EveryKeyKeepsItsNameAndFormat) {
    static const std::pair<const char*, const char*> kStored[] = {
        {"UseColTrueUsePicFalse", "False"},
        {"optFullOrCondTintara", "False"},
        {"ckToolTips", "False"},
        {"SameBkColorEverySlide", "False"},
        {"DirectoryLastOpenned", "/pics, with a comma"},
        {"AmountOfSlidesFFRev", "12"},
        {"NumSecDelay", "42"},
        {"Sound", "True"},
        {"FontInUse", "DejaVu Serif"},
        {"FontSizeInUse", "22"},
        {"optIntBkImgOptionForm", "1"},
        {"picCapForeColor", "&H0000FF"},
        {"picCapFrameColor", "&H030201"},
        {"txtCaptionBackColor", "&H060504"},
        {"lblNewBkGnd", "&H090807"},
        {"picActiveColor", "&H0C0B0A"},
        {"BackButton", "&H000005"},
        {"RewindButton", "&H000004"},
        {"AutoRunButton", "&H000003"},
        {"FastForwardButton", "&H000002"},
        {"ForwardButton", "&H000001"},
        {"OpenPgBkPic", "/pics/open.gif"},
        {"MusicDir", "/music/"},
        {"Flashing", "False"},
    };
    for (const auto& [key, text] : kStored)
        store(key, text);
    read();
    RecordingWindow shown;
    ToolPreferences expectedTool;
    ShowSettings expected = NonDefaults(shown, expectedTool);
    // The compile choices are not stored here: they read as their defaults.
    for (const CompileChoice& choice : kCompileChoices)
        std::visit([&](auto field) { expected.*field = s.*field; }, choice.field);
    EXPECT_EQ(s, expected);
    EXPECT_EQ(t, expectedTool);
    EXPECT_TRUE(window.chooser == 1 && !window.toolTips && window.sound);
    EXPECT_EQ(window.delay, 42);
    EXPECT_EQ(window.captionBack, RgbColor(4, 5, 6));
    EXPECT_EQ(window.newBackground, RgbColor(7, 8, 9));

    ASSERT_TRUE(QFile::remove(file()));
    ASSERT_TRUE(save());
    QSettings written(file(), QSettings::IniFormat);
    EXPECT_EQ(written.allKeys().size(), qsizetype(std::size(kStored) + std::size(kCompileChoices)));
    for (const auto& [key, text] : kStored)
        EXPECT_EQ(written.value(key).toString(), text) << key;
}

TEST_F(StoredSettings, ReadingEdgeCases) {
    const auto delayOf = [this](const QString& text) {
        store("NumSecDelay", text);
        read();
        EXPECT_EQ(window.delay, s.NumSecDelay) << text.toStdString();
        return s.NumSecDelay;
    };
    EXPECT_EQ(delayOf("120"), 3);
    EXPECT_EQ(delayOf("2.6"), 3); // below 3 before it is rounded
    EXPECT_EQ(delayOf("75"), 3);  // the scroll bar refuses it

    store("AmountOfSlidesFFRev", "0");
    store("Sound", "true");
    store("Flashing", "false");
    store("optIntBkImgOptionForm", "7");
    store("FitWidth", "99"); // below the smallest side
    store("FitPictures", "yes");
    store("picCapFrameColor", "&HNOPE");
    store("picActiveColor", "&H1000000");
    store("BackButton", "255");
    s.CaptionFrameColor = t.ActiveColor = 0x123456;
    read();
    EXPECT_EQ(s.AmountOfSlidesFFRev, 3);
    EXPECT_FALSE(t.SoundOn);
    EXPECT_EQ(s.Flashing, 1);
    EXPECT_EQ(s.optIntBkImgOptionForm, 0);
    EXPECT_EQ(s.FitWidth, 1920);
    EXPECT_FALSE(s.FitPictures);
    // Colours that cannot be applied take their defaults; decimal text is a
    // colour too.
    EXPECT_EQ(s.CaptionFrameColor, 0xFF99CCu);
    EXPECT_EQ(t.ActiveColor, 0xC100FFu);
    EXPECT_EQ(s.ButtonColors[4], 0x0000FFu);
}

TEST_F(StoredSettings, DamagedFileReadsAsDefaultsAndIsRewritten) {
    QDir().mkpath(dir.filePath("Pevrano"));
    QFile damaged(file());
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    static const char kDamage[] =
        "[General\n\0\xff\xfe=\x01NumSecDelay=@Variant(\x7f\n[\nFlashing\n=\n\"\\";
    damaged.write(kDamage, sizeof kDamage - 1);
    damaged.close();
    read();
    EXPECT_EQ(s.NumSecDelay, 3);
    EXPECT_EQ(s.Flashing, 1);
    s.NumSecDelay = 7;
    ASSERT_TRUE(save());
    s.NumSecDelay = 3;
    read();
    EXPECT_EQ(s.NumSecDelay, 7);
}

TEST_F(StoredSettings, UnwritableStoreIsReportedOnceAndTheToolStillEnds) {
    // A file where the settings folder should be: nothing can be written.
    QFile blocker(dir.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker.fileName());
    ScriptedPrompter ui;
    ui.queueMessageAnswer(MsgResult::Yes);
    QSettings settings(QSettings::UserScope, kSettingsOrganization, kSettingsApplication);
    EXPECT_TRUE(RunShutDown(ui, settings, s, t, window));
    ASSERT_EQ(ui.messages().size(), 2u);
    EXPECT_EQ(ui.messages()[1].title, "Preferences Not Saved");
    EXPECT_TRUE(ui.messages()[1].text.contains("Settings.conf"));
}

TEST_F(StoredSettings, StartUpMakesTheSlotsAndClearsWhatARunLeft) {
    SlideShowProject project;
    project.flags.OpenPgBkPicChanged = project.flags.CompileCancelled = true;
    project.settings.SongPath = "/song.mp3";
    QSettings settings(QSettings::UserScope, kSettingsOrganization, kSettingsApplication);
    RunStartUp(project, settings, window, "/opt/pss", "/home/u");
    EXPECT_EQ(project.SlideCapacity(), 25);
    EXPECT_FALSE(project.flags.OpenPgBkPicChanged || project.flags.CompileCancelled);
    EXPECT_EQ(project.settings.SongPath, "");
    EXPECT_EQ(project.settings.NewBkPicture, "/opt/pss/clouds.jpg");
}

// A FIFO where the settings file should be: the start takes the defaults at
// once instead of waiting for a writer, and the FIFO is left as it is.
TEST_F(StoredSettings, AFifoForTheFileGivesTheDefaultsWithoutWaiting) {
    store("NumSecDelay", "9");
    EXPECT_EQ(OpenToolSettings(kSettingsOrganization, kSettingsApplication)
                  ->value("NumSecDelay")
                  .toString(),
              "9");
    ASSERT_TRUE(QFile::remove(file()));
    ASSERT_TRUE(MakeFifo(file()));
    FifoWatchdog watchdog(file());
    {
        const auto settings = OpenToolSettings(kSettingsOrganization, kSettingsApplication);
        SlideShowProject project;
        RunStartUp(project, *settings, window, "/opt/pss", "/home/u");
        EXPECT_EQ(project.settings.NewBkPicture, "/opt/pss/clouds.jpg");
        EXPECT_FALSE(settings->contains("NumSecDelay"));
        settings->setValue("NumSecDelay", "5");
    }
    EXPECT_FALSE(watchdog.fired());
    EXPECT_FALSE(QFileInfo(file()).isFile());
}
