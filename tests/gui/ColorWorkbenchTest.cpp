#include "editor/ui/ColorWorkbench.h"
#include "ScriptedPrompter.h"
#include "colortool/ColorSchemeFile.h"
#include "editor/ui/ColorSwatch.h"
#include "editor/ui/Form1.h"
#include "editor/ui/PictureView.h"
#include "editor/ui/PreviewStage.h"

#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {
struct Workbench : ::testing::Test {
    ScriptedPrompter ui;
    Form1 form{ui};
    SlideShowProject& p = form.project();
    ShowSettings& s = form.project().settings;

    Workbench() {
        for (int i = 0; i < 4; ++i)
            p.AppendPicture(QStringLiteral("/pics/%1.jpg").arg(i));
        p.setCurrentSlide(2);
    }
};
} // namespace

TEST_F(Workbench, PaletteComesFromTheUserColourFile) {
    const UserColors shipped = DefaultUserColors();
    for (std::size_t i = 0; i < shipped.size(); ++i)
        EXPECT_EQ(form.ui.PicMFormColors[i]->color(), shipped[i]) << "box " << i;

    emit form.ui.PicMFormColors[3]->clicked();
    EXPECT_EQ(s.ActiveColor, shipped[3]);
    EXPECT_EQ(form.ui.picActiveColor->color(), shipped[3]);
    emit form.ui.picCapForeColor->clicked();
    EXPECT_EQ(form.CaptionBoxForeColor(), shipped[3]);
    EXPECT_EQ(p.slide(2).CapForeColor, "&H60AE27");
    // The frame swatch and its sample change together.
    emit form.ui.lblCaption->clicked();
    EXPECT_EQ(form.ui.picCapFrameColor->color(), shipped[3]);
}

TEST_F(Workbench, SameBackColourForEverySlideFillsEverySlot) {
    form.ui.optFullOrCondTintara[1]->click();
    EXPECT_FALSE(s.UseColorTool);
    ui.queueColor(RgbColor(255, 0, 5));
    form.ui.cmdPicBakColorOrPic[0]->click();
    EXPECT_EQ(ui.questions().back().initialColor, 0xC100FFu);
    EXPECT_EQ(form.ui.lblNewBkGnd->color(), RgbColor(255, 0, 5));
    for (int i = 0; i <= p.SlideCapacity(); ++i)
        EXPECT_EQ(p.slot(i).PicBackColor, "&H0500FF") << "slot " << i;
}

// The picture sits over the background colour swatch: a click on the border
// around the picture is a click on lblNewBkGnd, which gives the slide the
// background colour; a click on the picture itself is not.
TEST_F(Workbench, OnlyTheBorderAroundThePictureIsTheBackgroundSwatch) {
    QTemporaryDir dir;
    form.resize(773, 573);
    form.show();
    QImage photo(400, 300, QImage::Format_RGB32);
    photo.fill(Qt::darkCyan);
    const QString path = dir.filePath("wide.png");
    ASSERT_TRUE(photo.save(path));
    ASSERT_TRUE(form.ui.Image1->load(path));
    form.ui.Image1->show();
    s.SameBkColorEverySlide = false;
    s.NewSlideBackColor = RgbColor(9, 9, 9);
    p.slide(2).PicBackColor = QStringLiteral("&H0000FF");

    QWidget& stage = *form.ui.preview;
    const QPoint middle = stage.rect().center();
    const QPoint corner(3, 3);
    EXPECT_EQ(stage.childAt(middle), form.ui.Image1);
    EXPECT_EQ(stage.childAt(corner), form.ui.lblNewBkGnd);

    QTest::mouseClick(stage.childAt(middle), Qt::LeftButton, {},
                      stage.childAt(middle)->mapFrom(&stage, middle));
    EXPECT_EQ(p.slide(2).PicBackColor, "&H0000FF");
    QTest::mouseClick(form.ui.lblNewBkGnd, Qt::LeftButton, {}, corner);
    EXPECT_EQ(p.slide(2).PicBackColor, "&H090909");

    // Without a picture the whole stage is the swatch.
    form.ui.Image1->clear();
    EXPECT_EQ(stage.childAt(middle), form.ui.lblNewBkGnd);
}
