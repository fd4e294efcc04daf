#include "PrintQt.h"
#include "ScriptedPrompter.h"
#include "editor/ShutDown.h"
#include "project/ShowSettings.h"
#include "project/SlideShowProject.h"
#include "project/StartUp.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// The main window as the start-up and the settings see it: it keeps what it
// is told and records the order of the steps.
struct RecordingWindow : StartUpWindow {
    QStringList steps;
    int backgroundMode = 0, chooser = 0;
    bool toolTips = true, sound = false;
    qint16 delay = 3;
    ColorValue captionFore = 0, captionBack = 0, newBackground = 0;

    void selectBackgroundMode(int i) override { backgroundMode = i, steps << "background"; }
    void selectColorChooser(int i) override { chooser = i, steps << "chooser"; }
    bool colorToolSelected() const override { return chooser == 0; }
    void tickToolTips(bool on) override { toolTips = on, steps << "tooltips"; }
    bool toolTipsTicked() const override { return toolTips; }
    void tickSound(bool on) override { sound = on, steps << "sound"; }
    bool soundTicked() const override { return sound; }
    // The scroll bar's range is 3..59.
    bool showDelay(qint16 seconds) override {
        steps << "delay";
        delay = seconds;
        return seconds <= 59;
    }
    void showCaptionForeColor(ColorValue c) override { captionFore = c; }
    void showCaptionBackColor(ColorValue c) override { captionBack = c; }
    ColorValue captionBoxBackColor() const override { return captionBack; }
    void showNewBackgroundColor(ColorValue c) override { newBackground = c; }
    ColorValue newBackgroundColor() const override { return newBackground; }
    void refreshColorBoxes() override {}

    void fillBackgrounds() override { steps << "fill"; }
    void configureToolTips() override { steps << "configure tips"; }
    void loadUserColors() override { steps << "palette"; }
    void showPictureNumber(int) override { steps << "picture #"; }
    void takeDefaultCaptionFont() override { steps << "default font"; }
    void loadAndUnloadOptions() override { steps << "options"; }
    void placeWindow() override { steps << "place"; }
    void showPicturesLeft() override { steps << "left"; }
    void switchToolTips() override { steps << "switch tips"; }
    void applyCaptionFont() override { steps << "caption font"; }
};

// A real settings file of organisation "Pevrano", application "Settings" in
// a temporary folder.
struct StoredSettings : ::testing::Test {
    QTemporaryDir dir;
    RecordingWindow window;
    ShowSettings s;

    StoredSettings() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    }
    QString file() const { return dir.filePath("Pevrano/Settings.conf"); }
    void store(const QString& name, const QString& text) {
        QSettings(QSettings::UserScope, "Pevrano", "Settings").setValue(name, text);
    }
    QString stored(const QString& name) {
        return QSettings(QSettings::UserScope, "Pevrano", "Settings").value(name).toString();
    }
    void read() {
        QSettings settings(QSettings::UserScope, kSettingsOrganization, kSettingsApplication);
        ReadInSettings(settings, s, window, "/opt/pss", "/home/u");
    }
    bool save() {
        QSettings settings(QSettings::UserScope, kSettingsOrganization, kSettingsApplication);
        return SaveFormSettings(settings, s, window);
    }
};
} // namespace

TEST_F(StoredSettings, FirstStartShowsTheDefaults) {
    s.FontInUse = "was here";
    s.NumSecDelay = 9;
    read();
    EXPECT_EQ(window.backgroundMode, 0);
    EXPECT_TRUE(s.UseColTrueUsePicFalse && s.SameBkColorEverySlide && s.UseColorTool);
    EXPECT_EQ(window.chooser, 0);
    EXPECT_TRUE(window.toolTips && s.ToolTipsOn);
    EXPECT_FALSE(window.sound || s.SoundOn);
    EXPECT_EQ(s.AmountOfSlidesFFRev, 3);
    EXPECT_EQ(s.NumSecDelay, 3);
    EXPECT_EQ(window.delay, 3);
    EXPECT_EQ(s.FontInUse, "");
    EXPECT_EQ(s.optIntBkImgOptionForm, 0);
    EXPECT_EQ(s.CaptionForeColor, 0x000000u);
    EXPECT_EQ(s.CaptionFrameColor, 0xFF99CCu);
    EXPECT_EQ(s.CaptionBackColor, 0xFFFF80u);
    EXPECT_EQ(window.captionBack, 0xFFFF80u);
    EXPECT_EQ(s.NewSlideBackColor, 0xC100FFu);
    EXPECT_EQ(window.newBackground, 0xC100FFu);
    EXPECT_EQ(s.ActiveColor, 0xC100FFu);
    const std::array<ColorValue, 5> buttons{0x000000, 0xFF0000, 0x00FF00, 0xFF0000, 0x000000};
    EXPECT_EQ(s.ButtonColors, buttons);
    EXPECT_EQ(s.OpenPgBkPic, "/opt/pss/wood.gif");
    EXPECT_EQ(s.MusicDir, "/home/u");
    EXPECT_EQ(s.Flashing, 1);
    // The controls are applied in the reading order.
    EXPECT_EQ(window.steps, QStringList({"background", "tooltips", "sound", "chooser", "delay"}));
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
    EXPECT_EQ(delayOf("4.5"), 4); // halves go to the even neighbour
    EXPECT_EQ(delayOf("5.5"), 6);
    EXPECT_EQ(delayOf("75"), 3); // the scroll bar refuses it
    EXPECT_EQ(delayOf("ten"), 3);

    store("AmountOfSlidesFFRev", "0");
    store("Sound", "true");
    store("Flashing", "false");
    store("ckToolTips", "False");
    store("optFullOrCondTintara", "no");
    store("UseColTrueUsePicFalse", "False");
    store("optIntBkImgOptionForm", "7");
    store("picCapFrameColor", "&HNOPE");
    store("picActiveColor", "&H1000000");
    store("BackButton", "255");
    s.CaptionFrameColor = s.ActiveColor = 0x123456;
    read();
    EXPECT_EQ(s.AmountOfSlidesFFRev, 3);
    EXPECT_FALSE(s.SoundOn);
    EXPECT_EQ(s.Flashing, 1);
    EXPECT_FALSE(window.toolTips);
    EXPECT_EQ(window.chooser, 1);
    EXPECT_FALSE(s.UseColorTool);
    EXPECT_EQ(window.backgroundMode, 1);
    EXPECT_EQ(s.optIntBkImgOptionForm, 0);
    // Colours that cannot be applied take their defaults; decimal text is
    // a colour too.
    EXPECT_EQ(s.CaptionFrameColor, 0xFF99CCu);
    EXPECT_EQ(s.ActiveColor, 0xC100FFu);
    EXPECT_EQ(s.ButtonColors[4], 0x0000FFu);
}

TEST_F(StoredSettings, SavedValuesComeBack) {
    s.UseColTrueUsePicFalse = s.SameBkColorEverySlide = false;
    window.chooser = 1;
    window.toolTips = false;
    window.sound = true;
    s.DirectoryLastOpenned = "/pics, with a comma";
    s.AmountOfSlidesFFRev = 12;
    s.NumSecDelay = 42;
    s.FontInUse = "DejaVu Serif";
    s.FontSizeInUse = "22";
    s.optIntBkImgOptionForm = 1;
    s.CaptionForeColor = RgbColor(255, 0, 0); // blue 0, green 0, red 255
    s.CaptionFrameColor = RgbColor(1, 2, 3);
    window.captionBack = RgbColor(4, 5, 6);
    window.newBackground = RgbColor(7, 8, 9);
    s.ActiveColor = RgbColor(10, 11, 12);
    s.ButtonColors = {1, 2, 3, 4, 5};
    s.OpenPgBkPic = "/pics/open.gif";
    s.MusicDir = "/music/";
    s.Flashing = 0;
    ASSERT_TRUE(save());
    EXPECT_EQ(stored("picCapForeColor"), "&H0000FF");
    EXPECT_EQ(stored("Sound"), "True");
    EXPECT_EQ(stored("NumSecDelay"), "42");
    EXPECT_EQ(QSettings(file(), QSettings::IniFormat).allKeys().size(), 24);

    const ShowSettings saved = s;
    const RecordingWindow before = window;
    s = ShowSettings{};
    window = RecordingWindow{};
    read();
    EXPECT_EQ(s.CaptionForeColor, RgbColor(255, 0, 0));
    EXPECT_EQ(window.captionFore, RgbColor(255, 0, 0));
    EXPECT_EQ(s.CaptionBackColor, before.captionBack);
    EXPECT_EQ(s.NewSlideBackColor, before.newBackground);
    for (auto field :
         {&ShowSettings::DirectoryLastOpenned, &ShowSettings::FontInUse,
          &ShowSettings::FontSizeInUse, &ShowSettings::OpenPgBkPic, &ShowSettings::MusicDir})
        EXPECT_EQ(s.*field, saved.*field);
    for (auto field : {&ShowSettings::AmountOfSlidesFFRev, &ShowSettings::NumSecDelay,
                       &ShowSettings::optIntBkImgOptionForm, &ShowSettings::Flashing})
        EXPECT_EQ(s.*field, saved.*field);
    EXPECT_EQ(s.CaptionFrameColor, saved.CaptionFrameColor);
    EXPECT_EQ(s.ActiveColor, saved.ActiveColor);
    EXPECT_EQ(s.ButtonColors, saved.ButtonColors);
    EXPECT_FALSE(s.UseColTrueUsePicFalse || s.SameBkColorEverySlide || s.UseColorTool);
    EXPECT_EQ(window.chooser, 1);
    EXPECT_FALSE(window.toolTips);
    EXPECT_TRUE(window.sound);
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
    EXPECT_EQ(s.CaptionBackColor, 0xFFFF80u);
    s.NumSecDelay = 7;
    ASSERT_TRUE(save());
    s.NumSecDelay = 3;
    read();
    EXPECT_EQ(s.NumSecDelay, 7);
}

TEST_F(StoredSettings, ExitAsksAndSavesOnlyOnYes) {
    ScriptedPrompter ui;
    QSettings settings(QSettings::UserScope, kSettingsOrganization, kSettingsApplication);
    ui.queueMessageAnswer(MsgResult::No);
    EXPECT_FALSE(RunShutDown(ui, settings, s, window));
    ASSERT_EQ(ui.messages().size(), 1u);
    const MessageBoxRequest question = ui.messages()[0];
    EXPECT_EQ(question.text, "Are you sure you want to Exit... Pevrano Slide Show?");
    EXPECT_EQ(question.title, "Exit Program?");
    EXPECT_EQ(question.buttons, MsgButtons::YesNo);
    EXPECT_EQ(question.icon, MsgIcon::Question);
    EXPECT_FALSE(QFile::exists(file()));

    ui.queueMessageAnswer(MsgResult::Yes);
    EXPECT_TRUE(RunShutDown(ui, settings, s, window));
    EXPECT_EQ(ui.messages().size(), 2u);
    EXPECT_TRUE(QFile::exists(file()));
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
    EXPECT_TRUE(RunShutDown(ui, settings, s, window));
    ASSERT_EQ(ui.messages().size(), 2u);
    EXPECT_EQ(ui.messages()[1].title, "Preferences Not Saved");
    EXPECT_TRUE(ui.messages()[1].text.contains("Settings.conf"));
}

TEST_F(StoredSettings, StartUpRunsItsStepsInOrder) {
    SlideShowProject project;
    ScriptedPrompter ui;
    project.flags.OpenPgBkPicChanged = project.flags.CompileCancelled = true;
    project.settings.SongPath = "/song.mp3";
    const auto startUp = [&] {
        QSettings settings(QSettings::UserScope, kSettingsOrganization, kSettingsApplication);
        RunStartUp(project, settings, window, "/opt/pss", "/home/u");
    };
    startUp();
    EXPECT_EQ(window.steps,
              QStringList({"fill", "configure tips", "palette", "picture #", "background",
                           "tooltips", "sound", "chooser", "delay", "default font", "options",
                           "place", "left", "switch tips", "caption font"}));
    EXPECT_EQ(project.SlideCapacity(), 25);
    EXPECT_FALSE(project.flags.OpenPgBkPicChanged || project.flags.CompileCancelled);
    EXPECT_EQ(project.settings.SongPath, "");
    EXPECT_EQ(project.settings.NewBkPicture, "/opt/pss/clouds.jpg");

    // A stored font is kept.
    store("FontInUse", "Arial");
    window.steps.clear();
    startUp();
    EXPECT_FALSE(window.steps.contains("default font"));
    EXPECT_EQ(project.settings.FontInUse, "Arial");
}
