#include "GuiTestSupport.h"
#include "ScriptedPrompter.h"
#include "editor/ui/MainWindow.h"
#include "platform/ui/ColorSwatch.h"
#include "project/StoredSettings.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <gtest/gtest.h>

namespace {
// The main window started on the settings file the test leaves behind.
struct StartUp : ::testing::Test {
    ScriptedPrompter ui;

    StartUp() { QFile::remove(file()); }
    ~StartUp() override { QFile::remove(file()); }
    static QString file() {
        return QSettings(QSettings::UserScope, kSettingsOrganization, kSettingsApplication)
            .fileName();
    }
    static void store(std::initializer_list<std::pair<const char*, const char*>> values) {
        QSettings settings(QSettings::UserScope, kSettingsOrganization, kSettingsApplication);
        for (const auto& [name, text] : values)
            settings.setValue(name, text);
    }
};
} // namespace

TEST_F(StartUp, StoredSettingsShowInTheWindow) {
    store({{"UseColTrueUsePicFalse", "False"},
           {"Sound", "True"},
           {"NumSecDelay", "7"},
           {"FontInUse", "DejaVu Serif"},
           {"picCapForeColor", "&H0000FF"},
           {"picCapFrameColor", "&H123456"}});
    MainWindow form(ui);
    const ShowSettings& s = form.project().settings;
    EXPECT_TRUE(form.ui.optBakPicColorOrPic[1]->isChecked());
    EXPECT_TRUE(form.ui.Check1->isChecked());
    EXPECT_EQ(form.ui.VScrollSec->value(), 7);
    EXPECT_EQ(form.CaptionBoxForeColor(), RgbColor(255, 0, 0));
    EXPECT_EQ(form.ui.picCapFrameColor->color(), 0x123456u);
    EXPECT_EQ(form.ui.txtCaption->font().family(), "DejaVu Serif");
    EXPECT_EQ(s.FontSizeInUse, ""); // a stored font keeps its stored size
    // The options window was loaded and closed once: the first activation
    // applies it.
    EXPECT_TRUE(form.project().flags.OptionsChanged);
    EXPECT_TRUE(ui.questions().empty());
}

TEST_F(StartUp, FirstStartThenExitAsksAndOnYesSavesAndClosesEveryWindow) {
    MainWindow form(ui);
    EXPECT_EQ(form.project().settings.FontInUse, "Times New Roman");
    EXPECT_EQ(form.project().settings.FontSizeInUse, "16");
    QWidget other;
    form.show();
    other.show();
    ui.queueMessageAnswer(MsgResult::No);
    EXPECT_FALSE(form.close());
    EXPECT_FALSE(QFile::exists(file()));
    ASSERT_EQ(ui.messages().size(), 1u);
    const MessageBoxRequest question = ui.messages()[0];
    EXPECT_EQ(question.text, "Are you sure you want to Exit... Pevrano Slide Show?");
    EXPECT_EQ(question.title, "Exit Program?");
    EXPECT_EQ(question.buttons, MsgButtons::YesNo);
    EXPECT_EQ(question.icon, MsgIcon::Question);

    // The delay is part of the show: its change is offered for saving first.
    form.ui.VScrollSec->setValue(9);
    // The options window's compile choices are remembered like the others.
    form.project().settings.FitPictures = true;
    form.project().settings.FitWidth = 640;
    ui.queueMessageAnswer(MsgResult::No);
    ui.queueMessageAnswer(MsgResult::Yes);
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(other.isVisible());
    EXPECT_EQ(ui.messages().size(), 3u);
    QSettings stored(file(), QSettings::IniFormat);
    EXPECT_EQ(stored.value("NumSecDelay").toString(), "9");

    // The next start reads them back.
    MainWindow next(ui);
    EXPECT_EQ(next.ui.txtPicTimeSec->text(), "9");
    EXPECT_TRUE(next.project().settings.FitPictures);
    EXPECT_EQ(next.project().settings.FitWidth, 640);
}
