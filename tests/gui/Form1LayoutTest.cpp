#include "Form1Fixture.h"
#include "editor/ui/ColorSwatch.h"
#include "editor/ui/PictureView.h"
#include "editor/ui/PreviewStage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

// The fill of the background colours shows its progress while it runs only;
// the swatches of show-wide colours write the settings; activating the
// window is signalled (the options and the colour tool are applied then).
TEST_F(Form1Test, FillProgressSwatchesAndActivation) {
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
    EXPECT_EQ(project().slot(0).PicBackColor, "&H0500FF");
    EXPECT_EQ(project().slot(25).PicBackColor, "&H0500FF");

    form->ui.picCapFrameColor->setColor(RgbColor(1, 2, 3));
    EXPECT_EQ(project().settings.CaptionFrameColor, RgbColor(1, 2, 3));
    EXPECT_EQ(form->ui.lblCaption->color(), RgbColor(1, 2, 3));

    int activations = 0;
    QObject::connect(form.get(), &Form1::activated, [&] { ++activations; });
    form->hide();
    form->show();
    QApplication::setActiveWindow(form.get());
    EXPECT_TRUE(RunEventsUntil([&] { return activations > 0; }));
}

// With slides loaded the preview draws the picture centred over the slide's
// background colour. PEVRANO_SCREENSHOT=file.png saves the window as shown.
TEST_F(Form1Test, PreviewDrawsThePictureOverTheBackground) {
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

// Made larger, the window gives the room to the preview; texts still fit,
// and each background swatch stays beside its option and button.
TEST_F(Form1Test, GrowsSensibly) {
    const QSize stage = form->ui.preview->size();
    form->resize(1280, 900);
    RunEventsFor(20);
    EXPECT_GE(form->ui.preview->width(), stage.width() + 400);
    EXPECT_GE(form->ui.preview->height(), stage.height() + 250);
    for (QAbstractButton* b : form->findChildren<QAbstractButton*>())
        if (b->isVisible())
            EXPECT_GE(b->width(), b->minimumSizeHint().width()) << b->text().toStdString();
    for (int i = 0; i < 2; ++i) {
        QWidget* option = form->ui.optBakPicColorOrPic[i];
        QWidget* swatch =
            i == 0 ? static_cast<QWidget*>(form->ui.picBackColor) : form->ui.picBackPicture;
        QWidget* button = form->ui.cmdPicBakColorOrPic[i];
        EXPECT_LT(swatch->x() - option->geometry().right(), 30) << i;
        EXPECT_LT(button->width(), 2 * button->sizeHint().width()) << i;
    }
}
