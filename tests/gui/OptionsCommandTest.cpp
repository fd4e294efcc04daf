#include "editor/ui/OptionsCommand.h"
#include "ScriptedPrompter.h"
#include "editor/ui/ColorSwatch.h"
#include "editor/ui/Form1.h"
#include "editor/ui/PictureView.h"
#include "editor/ui/frmOptions.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
struct OptionsFromForm1 : ::testing::Test {
    ScriptedPrompter ui;
    Form1 form{ui};
    SlideShowProject& p = form.project();
    ShowSettings& s = form.project().settings;

    OptionsFromForm1() {
        for (int i = 0; i < 4; ++i)
            p.AppendPicture(QStringLiteral("/pics/%1.jpg").arg(i));
    }
    // Opens the options window as the user does and works it while it is
    // up; `work` ends by closing it.
    void withOptions(const std::function<void(frmOptions&)>& work) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* w = qobject_cast<frmOptions*>(QApplication::activeModalWidget());
            ASSERT_NE(w, nullptr);
            seen = true;
            work(*w);
            if (w->isVisible())
                w->reject(); // never leave the test waiting on the window
        });
        form.ui.cmdShowOptForm->click();
        EXPECT_TRUE(seen);
    }
};
} // namespace

TEST_F(OptionsFromForm1, ClosingWithSameColourSpreadsTheSwatchColour) {
    s.NewSlideBackColor = RgbColor(255, 0, 5);
    withOptions([](frmOptions& w) {
        w.optPicBkGndColorOptionFrm[0]->click();
        w.cmdOk->click();
    });
    EXPECT_FALSE(p.flags.OptionsChanged); // consumed on activation
    for (int i = 0; i <= p.SlideCapacity(); ++i)
        EXPECT_EQ(p.slot(i).PicBackColor, "&H0500FF") << "slot " << i;
    EXPECT_EQ(form.ui.lblNewBkGnd->color(), RgbColor(255, 0, 5));
}

TEST_F(OptionsFromForm1, ClosingWithPerSlideColoursLeavesTheSlides) {
    p.slide(2).PicBackColor = "&H010203";
    s.NewSlideBackColor = RgbColor(255, 0, 5);
    withOptions([](frmOptions& w) {
        w.optPicBkGndColorOptionFrm[1]->click();
        w.optBkGndImgOptForm[1]->click();
        w.cmdOk->click();
    });
    EXPECT_FALSE(s.SameBkColorEverySlide);
    EXPECT_EQ(s.optIntBkImgOptionForm, 1);
    EXPECT_EQ(p.slide(2).PicBackColor, "&H010203");
    EXPECT_EQ(p.slide(3).PicBackColor, "&HC100FF");
}

TEST_F(OptionsFromForm1, OneBackgroundPictureForAllInPictureMode) {
    s.UseColTrueUsePicFalse = false;
    s.NewBkPicture = "/prog/clouds.jpg";
    p.slide(2).BkPicture = "/elsewhere/own.jpg";
    withOptions([](frmOptions& w) {
        w.optBkGndImgOptForm[0]->click();
        w.cmdOk->click();
    });
    for (int i = 0; i <= p.SlideCapacity(); ++i)
        EXPECT_EQ(p.slot(i).BkPicture, "/prog/clouds.jpg") << "slot " << i;
    EXPECT_TRUE(form.ui.lblNewBkGnd->isHidden());
}

TEST_F(OptionsFromForm1, ResetAndSameCaptionReachTheMainWindow) {
    ui.queueInput(QStringLiteral("Holiday"));
    ui.queueMessageAnswer(MsgResult::Yes);
    withOptions([](frmOptions& w) {
        w.ckSameCaption->click();
        EXPECT_EQ(qobject_cast<Form1*>(w.parentWidget())->ui.txtCaption->text(), "Holiday");
        w.cmdReset->click();
        w.cmdOk->click();
    });
    EXPECT_EQ(p.SlideCount(), 0);
    EXPECT_EQ(form.windowTitle(), "Picture #0");
    EXPECT_EQ(form.ui.lblCount->text(), "0");
    EXPECT_EQ(form.ui.lblPicSelNum->text(), "0");
    EXPECT_EQ(form.ui.lblPicsLeft->text(), "Number of Picture(s) left: 1000");
    EXPECT_TRUE(form.ui.txtCaption->text().isEmpty());
    EXPECT_FALSE(form.ui.cmdFinish->isEnabled());
    EXPECT_FALSE(form.ui.cmdChangePic->isEnabled());
}

TEST_F(OptionsFromForm1, OpeningPagePictureThroughTheSingleFileDialog) {
    QTemporaryDir dir;
    QImage image(50, 40, QImage::Format_RGB32);
    image.fill(Qt::darkRed);
    const QString tile = dir.filePath("tile.jpg");
    ASSERT_TRUE(image.save(tile));
    ui.queueFiles({tile});
    ui.queueFiles({dir.filePath("notes.txt")});
    withOptions([&](frmOptions& w) {
        w.cmdOpenBkPic->click();
        EXPECT_FALSE(w.PicBxOpenBkPic->image().isNull());
        // A file that is no picture: the error, and no flag left behind.
        w.cmdOpenBkPic->click();
        w.cmdOk->click();
    });
    EXPECT_EQ(s.OpenPgBkPic, tile);
    EXPECT_FALSE(p.flags.OpenPgBkPicChanged);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].title, "File Error");
    // The main window's next pick is a plain picture again.
    EXPECT_EQ(p.settings.OpenPgBkPic, tile);
}

TEST_F(OptionsFromForm1, StartUpLoadAndUnloadLeavesOptionsChanged) {
    form.options().LoadAndUnload();
    EXPECT_TRUE(p.flags.OptionsChanged);
}
