// The main window's own controls: the background fill, the swatches, the
// preview stage and the song controls.
#include "MainWindowFixture.h"
#include "RecordingMediaPlayer.h"
#include "colortool/ColorSchemeFile.h"
#include "editor/ui/PictureView.h"
#include "editor/ui/PreviewStage.h"
#include "editor/ui/SongControls.h"
#include "platform/ui/ColorSwatch.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {
// Four slides whose pictures need not exist, the second one current.
struct MainWindowView : MainWindowTest {
    void SetUp() override {
        MainWindowTest::SetUp();
        for (int i = 0; i < 4; ++i)
            project().AppendPicture(QStringLiteral("/pics/%1.jpg").arg(i));
        project().setCurrentSlide(2);
    }
};
} // namespace

// The fill of the background colours shows its progress while it runs only;
// the swatches of show-wide colours write the settings; activating the
// window is signalled (the colour tool's pick is applied then).
TEST_F(MainWindowTest, FillProgressSwatchesAndActivation) {
    project().settings.NewSlideBackColor = RgbColor(255, 0, 5);
    int maximumSeen = -1;
    bool visibleDuring = false;
    QObject::connect(form->ui.PBar1, &QProgressBar::valueChanged, [&](int v) {
        maximumSeen = qMax(maximumSeen, v);
        visibleDuring = visibleDuring || form->ui.PBar1->isVisible();
    });
    form->FillBackgrounds(0);
    EXPECT_TRUE(visibleDuring);
    EXPECT_EQ(maximumSeen, project().SlideCapacity());
    EXPECT_FALSE(form->ui.PBar1->isVisible());
    EXPECT_EQ(project().slot(25).PicBackColor, "&H0500FF");

    form->ui.picCapFrameColor->setColor(RgbColor(1, 2, 3));
    EXPECT_EQ(project().settings.CaptionFrameColor, RgbColor(1, 2, 3));
    EXPECT_EQ(form->ui.lblCaption->color(), RgbColor(1, 2, 3));

    int activations = 0;
    QObject::connect(form.get(), &MainWindow::activated, [&] { ++activations; });
    form->hide();
    form->show();
    QApplication::setActiveWindow(form.get());
    EXPECT_TRUE(RunEventsUntil([&] { return activations > 0; }));
}

// With slides loaded the preview draws the picture centred over the slide's
// background colour. PEVRANO_SCREENSHOT=file.png saves the window as shown.
TEST_F(MainWindowTest, PreviewDrawsThePictureOverTheBackground) {
    QStringList paths;
    for (int i = 0; i < 3; ++i)
        paths << MakePicture(folder(), QStringLiteral("photo%1.jpg").arg(i + 1),
                             QColor::fromHsv(40 + i * 60, 120, 250), {1200, 900});
    AddThroughDialog(paths);
    form->ui.txtCaption->setText(QStringLiteral("Sunset over the harbour, June 2003"));
    form->ui.cmdAddCaption->click();
    RunEventsFor(200);

    const QImage shot = form->grab().toImage();
    const QRect stage(form->ui.preview->mapTo(form.get(), QPoint(0, 0)), form->ui.preview->size());
    // The corner shows the background colour, the centre the picture.
    const QRgb background = ToQColor(project().settings.NewSlideBackColor).rgb();
    EXPECT_EQ(QColor(shot.pixel(stage.topLeft() + QPoint(3, 3))).rgb(), background);
    const QColor centre = shot.pixel(stage.center());
    EXPECT_NE(centre.rgb(), background);
    EXPECT_GT(centre.value(), 150);

    if (const QByteArray file = qgetenv("PEVRANO_SCREENSHOT"); !file.isEmpty())
        shot.save(QString::fromLocal8Bit(file));
}

TEST_F(MainWindowView, PaletteComesFromTheUserColourFile) {
    const UserColors shipped = DefaultUserColors();
    for (std::size_t i = 0; i < shipped.size(); ++i)
        EXPECT_EQ(form->ui.PicMFormColors[i]->color(), shipped[i]) << "box " << i;

    emit form->ui.PicMFormColors[3]->clicked();
    EXPECT_EQ(form->ui.picActiveColor->color(), shipped[3]);
    emit form->ui.picCapForeColor->clicked();
    EXPECT_EQ(form->CaptionBoxForeColor(), shipped[3]);
    EXPECT_EQ(project().slide(2).CapForeColor, "&H60AE27");
}

// Without the colour tool the system's colour dialog picks the shared
// background colour, which fills every slot.
TEST_F(MainWindowView, SameBackColourForEverySlideFillsEverySlot) {
    form->ui.optFullOrCondTintara[1]->click();
    EXPECT_FALSE(project().tool.UseColorTool);
    ui.queueColor(RgbColor(255, 0, 5));
    form->ui.cmdPicBakColorOrPic[0]->click();
    EXPECT_EQ(ui.questions().back().initialColor, 0xC100FFu);
    EXPECT_EQ(form->ui.lblNewBkGnd->color(), RgbColor(255, 0, 5));
    for (int i = 0; i <= project().SlideCapacity(); ++i)
        EXPECT_EQ(project().slot(i).PicBackColor, "&H0500FF") << "slot " << i;
}

// The picture sits over the background colour swatch: a click on the border
// around the picture is a click on lblNewBkGnd, which gives the slide the
// background colour; a click on the picture itself is not.
TEST_F(MainWindowView, OnlyTheBorderAroundThePictureIsTheBackgroundSwatch) {
    ASSERT_TRUE(form->ui.Image1->load(MakePicture(folder(), "wide.png", Qt::darkCyan, {400, 300})));
    form->ui.Image1->show();
    project().settings.SameBkColorEverySlide = false;
    project().settings.NewSlideBackColor = RgbColor(9, 9, 9);
    project().slide(2).PicBackColor = QStringLiteral("&H0000FF");

    QWidget& stage = *form->ui.preview;
    const QPoint middle = stage.rect().center();
    const QPoint corner(3, 3);
    EXPECT_EQ(stage.childAt(middle), form->ui.Image1);
    EXPECT_EQ(stage.childAt(corner), form->ui.lblNewBkGnd);

    QTest::mouseClick(stage.childAt(middle), Qt::LeftButton, {},
                      stage.childAt(middle)->mapFrom(&stage, middle));
    EXPECT_EQ(project().slide(2).PicBackColor, "&H0000FF");
    QTest::mouseClick(form->ui.lblNewBkGnd, Qt::LeftButton, {}, corner);
    EXPECT_EQ(project().slide(2).PicBackColor, "&H090909");
}

// The song logic is BackgroundSong's (Song.* in the core tests); here the
// window's controls reach it.
TEST_F(MainWindowTest, SongControlsReachTheSong) {
    auto owned = std::make_unique<RecordingMediaPlayer>();
    RecordingMediaPlayer& player = *owned;
    form->song().usePlayer(std::move(owned));
    form->ui.Check1->click();
    EXPECT_TRUE(project().tool.SoundOn);

    ui.queueFiles({"/music/tune.mid"});
    form->ui.cmdSelectSong->click();
    EXPECT_EQ(form->ui.lblSongSeleted->text(), ": tune.mid");
    EXPECT_EQ(player.calls(), QStringList({"stop", "source /music/tune.mid", "play 15"}));

    player.clear();
    form->song().StopPreview(); // as the compile command does
    EXPECT_EQ(player.calls(), QStringList({"stop", "source /music/tune.mid", "stop"}));
    EXPECT_FALSE(form->ui.Check1->isChecked());
    EXPECT_FALSE(project().tool.SoundOn);

    // The failure's text and icon: Song.PlayerFailureIsReportedOncePerFailureAndKeepsTheSong.
    player.fail("Could not determine type of stream.");
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].title, "Pevrano Slide Show");

    form->ui.cmdDeleteSong->click();
    EXPECT_EQ(form->ui.lblSongSeleted->text(), "None Selected:");
}
