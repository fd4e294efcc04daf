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
    QString picture(const QTemporaryDir& dir, const QString& name) {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        const QString path = dir.filePath(name);
        EXPECT_TRUE(image.save(path));
        return path;
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

TEST_F(Workbench, WallpaperForEverySlideOrJustTheCurrentOne) {
    QTemporaryDir dir;
    const QString wall = picture(dir, "wall.jpg");
    ui.queueFiles({wall});
    form.ui.cmdPicBakColorOrPic[1]->click();
    ASSERT_EQ(ui.questions().size(), 1u);
    EXPECT_EQ(ui.questions()[0].fileDialog.title, "Select a Picture File");
    EXPECT_EQ(s.NewBkPicture, wall);
    EXPECT_FALSE(p.flags.PickingBkPicture);
    EXPECT_TRUE(form.ui.optBakPicColorOrPic[1]->isChecked());
    EXPECT_TRUE(form.ui.lblNewBkGnd->isHidden());
    for (int i = 0; i <= p.SlideCapacity(); ++i)
        EXPECT_EQ(p.slot(i).BkPicture, wall) << "slot " << i;
    EXPECT_EQ(form.ui.picBackPicture->path(), wall);

    s.optIntBkImgOptionForm = 1;
    const QString other = picture(dir, "other.jpg");
    ui.queueFiles({other});
    form.ui.cmdPicBakColorOrPic[1]->click();
    EXPECT_EQ(p.slide(2).BkPicture, other);
    EXPECT_EQ(p.slide(1).BkPicture, wall);
    EXPECT_EQ(p.slide(3).BkPicture, wall);
}

// The colour tool and caption style seams reach the commands; without the
// preview the font dialog's choice reaches the caption box.
TEST_F(Workbench, SeamsAndTheFontDialogAreWired) {
    int opened = 0, previews = 0;
    form.seams.showColorTool = [&] {
        ++opened;
        s.CaptionForeColor = RgbColor(9, 9, 9);
    };
    form.ui.optFullOrCondTintara[0]->click();
    form.ui.cmdCapForeColor->click();
    EXPECT_EQ(opened, 1);
    form.colors().Form_Activate();
    EXPECT_EQ(form.CaptionBoxForeColor(), RgbColor(9, 9, 9));
    EXPECT_EQ(p.slide(2).CapForeColor, "&H090909");

    ui.queueFont(FontChoice{"DejaVu Sans", 18, false, false});
    form.ui.cmdFont->click();
    EXPECT_EQ(form.ui.txtCaption->font().family(), "DejaVu Sans");
    form.seams.showCaptionStyle = [&] { ++previews; };
    form.ui.cmdFont->click();
    EXPECT_EQ(previews, 1);
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
