#include "GuiTestSupport.h"
#include "ScriptedPrompter.h"
#include "editor/ui/ColorSwatch.h"
#include "editor/ui/Form1.h"
#include "editor/ui/PictureView.h"
#include "editor/ui/PreviewStage.h"
#include "editor/ui/SlideEditing.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Every named control is in the window with its design caption, and the
// window opens at its design size, centred horizontally.
TEST(Form1LayoutTest, ControlsCarryTheirNamesAndCaptions) {
    ScriptedPrompter ui;
    Form1 form(ui);
    form.show();
    RunEventsFor(50);

    const std::vector<std::pair<const char*, const char*>> buttons{
        {"cmdAdd", "Add Picture(s)"},
        {"cmdChangePic", "Change Picture"},
        {"cmdDelete", "Delete Picture/Caption"},
        {"cmdAddCaption", "Add/Change Caption"},
        {"cmdAllImages", "sort pictures..."},
        {"cmdFinish", "Make HTML File"},
        {"cmdShowOptForm", "Options..."},
        {"cmdCapForeColor", "Fore Color"},
        {"cmdCapBackColor", "Back Color"},
        {"cmdCapFrameColor", "Frame Color"},
        {"cmdFont", "Font..."},
        {"cmdSelectSong", "Select Song"},
        {"cmdDeleteSong", "Delete Song"},
        {"Check1", "Sound On"},
    };
    for (const auto& [name, text] : buttons) {
        auto* b = form.findChild<QAbstractButton*>(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        EXPECT_EQ(b->text(), QString::fromLatin1(text)) << name;
    }
    const QStringList nav{"Forward", ">>", "Auto Run", "<<", "Back"};
    for (QAbstractButton* b : form.findChildren<QAbstractButton*>(QStringLiteral("cmdFB")))
        EXPECT_EQ(b->text(), nav[b->property("Index").toInt()]);
    EXPECT_EQ(form.findChildren<ColorSwatch*>(QStringLiteral("PicMFormColors")).size(), 14);
    EXPECT_EQ(form.findChildren<ColorSwatch*>(QStringLiteral("picButBakColor")).size(), 5);
    EXPECT_EQ(form.findChild<QGroupBox*>(QStringLiteral("fmeBackGround"))->title(),
              "Picture BackGnd  Color Or Wallpaper");
    EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("txtCaption"))->text(),
              "Add a Picture then type in a Caption here.");
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("lblSongSeleted"))->text(), ": None Selected");
    EXPECT_EQ(form.ui.mnuSortPictures->text(), "Sort Pictures...");
    EXPECT_EQ(form.windowTitle(), "Picture #0");

    EXPECT_EQ(form.size(), QSize(773, 573));
    const QRect screen = form.screen()->availableGeometry();
    EXPECT_NEAR(form.x(), screen.x() + (screen.width() - 773) / 2, 1);
}

// The window starts like a first start: an empty show with its first block of
// fresh slots, the default colours on the swatches and the caption box.
TEST(Form1StartTest, StartsWithAnEmptyShowAndFirstStartSettings) {
    ScriptedPrompter ui;
    Form1 form(ui);
    const SlideShowProject& p = form.project();
    EXPECT_EQ(p.SlideCapacity(), 25);
    // The same colour on every slide: the fill wrote the new-slide colour.
    EXPECT_EQ(p.slot(25).PicBackColor, "&HC100FF");
    EXPECT_EQ(form.ui.lblPicsLeft->text(), "Number of Picture(s) left: 1000");
    EXPECT_FALSE(form.ui.cmdFinish->isEnabled());
    EXPECT_FALSE(form.ui.cmdChangePic->isEnabled());
    EXPECT_FALSE(form.ui.PBar1->isVisible());
    EXPECT_EQ(form.ui.txtPicTimeSec->text(), "3");
    EXPECT_EQ(form.ui.VScrollSec->value(), 3);
    EXPECT_EQ(form.CaptionBoxBackColor(), 0xFFFF80u);
    EXPECT_EQ(form.CaptionBoxForeColor(), 0x000000u);
    EXPECT_EQ(form.ui.lblCaption->color(), 0xFF99CCu);
    EXPECT_EQ(form.ui.picButBakColor[2]->color(), 0x00FF00u);
    EXPECT_TRUE(ui.questions().empty());

    // Swatches of show-wide colours write the settings.
    form.ui.picCapFrameColor->setColor(RgbColor(1, 2, 3));
    EXPECT_EQ(form.project().settings.CaptionFrameColor, RgbColor(1, 2, 3));
    EXPECT_EQ(form.ui.lblCaption->color(), RgbColor(1, 2, 3));
}

TEST(Form1StartTest, FillShowsProgressOnlyWhileItRuns) {
    ScriptedPrompter ui;
    Form1 form(ui);
    form.show();
    form.project().settings.NewSlideBackColor = RgbColor(255, 0, 5);
    int maximumSeen = -1;
    bool visibleDuring = false;
    QObject::connect(form.ui.PBar1, &QProgressBar::valueChanged, [&](int v) {
        maximumSeen = qMax(maximumSeen, v);
        visibleDuring = visibleDuring || form.ui.PBar1->isVisible();
    });
    form.FillBackgrounds(0);
    EXPECT_TRUE(visibleDuring);
    EXPECT_EQ(maximumSeen, 25);
    EXPECT_FALSE(form.ui.PBar1->isVisible());
    EXPECT_EQ(form.project().slot(0).PicBackColor, "&H0500FF");
    EXPECT_EQ(form.project().slot(25).PicBackColor, "&H0500FF");
}

TEST(Form1StartTest, ActivationIsSignalled) {
    ScriptedPrompter ui;
    Form1 form(ui);
    int activations = 0;
    QObject::connect(&form, &Form1::activated, [&] { ++activations; });
    form.show();
    QApplication::setActiveWindow(&form);
    EXPECT_TRUE(RunEventsUntil([&] { return activations > 0; }));
}

// With slides loaded the preview draws the picture centred over the slide's
// background colour. PEVRANO_SCREENSHOT=file.png saves the window as shown.
TEST(Form1LookTest, PreviewDrawsThePictureOverTheBackground) {
    QTemporaryDir dir;
    ScriptedPrompter ui;
    Form1 form(ui);
    form.show();
    RunEventsFor(50);
    QStringList paths;
    for (int i = 0; i < 3; ++i) {
        QImage photo(1200, 900, QImage::Format_RGB32);
        photo.fill(QColor::fromHsv(40 + i * 60, 120, 250));
        paths << dir.filePath(QStringLiteral("photo%1.jpg").arg(i + 1));
        ASSERT_TRUE(photo.save(paths.back()));
    }
    ui.queueFiles(paths);
    form.editing().cmdAdd_Click();
    form.ui.txtCaption->setText(QStringLiteral("Sunset over the harbour, June 2003"));
    form.editing().cmdAddCaption_Click();
    RunEventsFor(200);

    const QImage shot = form.grab().toImage();
    const QRect stage(form.ui.preview->mapTo(&form, QPoint(0, 0)), form.ui.preview->size());
    // The corner shows the background colour, the centre the picture.
    EXPECT_EQ(QColor(shot.pixel(stage.topLeft() + QPoint(3, 3))).rgb(),
              ToQColor(form.project().settings.NewSlideBackColor).rgb());
    const QColor centre = shot.pixel(stage.center());
    EXPECT_NE(centre.rgb(), ToQColor(form.project().settings.NewSlideBackColor).rgb());
    EXPECT_GT(centre.value(), 150);

    if (const QByteArray file = qgetenv("PEVRANO_SCREENSHOT"); !file.isEmpty())
        shot.save(QString::fromLocal8Bit(file));
}

// Made larger, the window gives the room to the preview; texts still fit,
// and each background swatch stays beside its option and button.
TEST(Form1LayoutTest, GrowsSensibly) {
    ScriptedPrompter ui;
    Form1 form(ui);
    form.show();
    RunEventsFor(20);
    const QSize stage = form.ui.preview->size();
    form.resize(1280, 900);
    RunEventsFor(20);
    EXPECT_GE(form.ui.preview->width(), stage.width() + 400);
    EXPECT_GE(form.ui.preview->height(), stage.height() + 250);
    for (QAbstractButton* b : form.findChildren<QAbstractButton*>())
        if (b->isVisible())
            EXPECT_GE(b->width(), b->minimumSizeHint().width()) << b->text().toStdString();
    for (int i = 0; i < 2; ++i) {
        QWidget* option = form.ui.optBakPicColorOrPic[i];
        QWidget* swatch =
            i == 0 ? static_cast<QWidget*>(form.ui.picBackColor) : form.ui.picBackPicture;
        QWidget* button = form.ui.cmdPicBakColorOrPic[i];
        EXPECT_LT(swatch->x() - option->geometry().right(), 30) << i;
        EXPECT_LT(button->width(), 2 * button->sizeHint().width()) << i;
    }
}
