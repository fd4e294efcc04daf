#include "editor/ui/ColorWorkbench.h"

#include "editor/ui/Form1.h"
#include "editor/ui/PictureView.h"
#include "editor/ui/PreviewNavigation.h"
#include "editor/ui/SlideEditing.h"
#include "platform/ui/ColorSwatch.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

ColorWorkbench::ColorWorkbench(Form1& f, PreviewNavigation& n, SlideEditing& e)
    : form(f), navigation(n), editing(e), colors(f.project(), *this, f.prompter()) {
    // The seams are read when used, so they may be set after the window is
    // built.
    colors.showColorTool = [this] {
        if (form.seams.showColorTool)
            form.seams.showColorTool();
        else
            colors.ColorToolStandIn();
    };
    colors.colorToolOpen = [this] {
        return form.seams.colorToolOpen && form.seams.colorToolOpen();
    };
    colors.showCaptionStyle = [this] {
        if (form.seams.showCaptionStyle)
            form.seams.showCaptionStyle();
        else
            colors.CaptionStyleStandIn();
    };
    for (std::size_t i = 0; i < form.ui.PicMFormColors.size(); ++i)
        form.ui.PicMFormColors[i]->bind(&colors.PicMFormColors()[i]);
    connectControls();
}

void ColorWorkbench::connectControls() {
    Form1Controls& ui = form.ui;
    for (int i = 0; i < static_cast<int>(ui.PicMFormColors.size()); ++i)
        connect(ui.PicMFormColors[static_cast<std::size_t>(i)], &ColorSwatch::clicked, this,
                [this, i] { colors.PicMFormColors_Click(i); });
    for (int i = 0; i < static_cast<int>(ui.picButBakColor.size()); ++i)
        connect(ui.picButBakColor[static_cast<std::size_t>(i)], &ColorSwatch::clicked, this,
                [this, i] { colors.picButBakColor_Click(i); });
    connect(ui.picCapForeColor, &ColorSwatch::clicked, this,
            [this] { colors.picCapForeColor_Click(); });
    connect(ui.picCapBackColor, &ColorSwatch::clicked, this,
            [this] { colors.picCapBackColor_Click(); });
    connect(ui.picCapFrameColor, &ColorSwatch::clicked, this,
            [this] { colors.picCapFrameColor_Click(); });
    connect(ui.lblCaption, &ColorSwatch::clicked, this, [this] { colors.lblCaption_Click(); });

    connect(ui.cmdCapForeColor, &QPushButton::clicked, this,
            [this] { colors.cmdCapForeColor_Click(); });
    connect(ui.cmdCapBackColor, &QPushButton::clicked, this,
            [this] { colors.cmdCapBackColor_Click(); });
    connect(ui.cmdCapFrameColor, &QPushButton::clicked, this,
            [this] { colors.cmdCapFrameColor_Click(); });
    connect(ui.ShowCTform, &QPushButton::clicked, this, [this] { colors.ShowCTform_Click(); });
    connect(ui.cmdFont, &QPushButton::clicked, this, [this] { colors.cmdFont_Click(); });

    for (int i = 0; i < 2; ++i) {
        const auto index = static_cast<std::size_t>(i);
        connect(ui.optBakPicColorOrPic[index], &QRadioButton::clicked, this,
                [this, i] { colors.optBakPicColorOrPic_Click(i); });
        connect(ui.cmdPicBakColorOrPic[index], &QPushButton::clicked, this,
                [this, i] { colors.cmdPicBakColorOrPic_Click(i); });
        connect(ui.optFullOrCondTintara[index], &QRadioButton::clicked, this,
                [this, i] { colors.optFullOrCondTintara_Click(i); });
    }
    connect(ui.picBackColor, &ColorSwatch::clicked, this,
            [this] { colors.picBackColorOrPic_Click(0); });
    connect(ui.picBackPicture, &PictureView::clicked, this,
            [this] { colors.picBackColorOrPic_Click(1); });
    connect(ui.lblNewBkGnd, &ColorSwatch::clicked, this, [this] { colors.lblNewBkGnd_Click(); });

    connect(&form, &Form1::activated, this, [this] { colors.Form_Activate(); });
}

void ColorWorkbench::refreshSwatches() {
    // The swatches read the colours they are bound to when painted.
    form.update();
}

void ColorWorkbench::setCaptionBoxForeColor(ColorValue color) {
    form.SetCaptionBoxColors(form.CaptionBoxBackColor(), color);
}

void ColorWorkbench::setCaptionBoxBackColor(ColorValue color) {
    form.SetCaptionBoxColors(color, form.CaptionBoxForeColor());
}

void ColorWorkbench::setSlideBackColor(ColorValue color) {
    form.ui.lblNewBkGnd->setColor(color);
}

void ColorWorkbench::setSlideBackColorVisible(bool visible) {
    form.ui.lblNewBkGnd->setVisible(visible);
}

void ColorWorkbench::showBackgroundPicture(const QString& path) {
    navigation.ShowBackgroundPicture(path);
    if (!form.ui.picBackPicture->load(path))
        form.ui.picBackPicture->clear();
}

int ColorWorkbench::backgroundOption() const {
    return form.ui.optBakPicColorOrPic[1]->isChecked() ? 1 : 0;
}

void ColorWorkbench::selectBackgroundOption(int index) {
    const QSignalBlocker block0(form.ui.optBakPicColorOrPic[0]);
    const QSignalBlocker block1(form.ui.optBakPicColorOrPic[1]);
    form.ui.optBakPicColorOrPic[index == 1 ? 1 : 0]->setChecked(true);
}

void ColorWorkbench::fillBackgrounds() {
    form.FillBackgrounds(0);
}

void ColorWorkbench::addBackgroundPicture() {
    editing.SingleFilePick = true;
    editing.cmdAdd_Click();
}

void ColorWorkbench::applyCaptionFont() {
    form.ApplyCaptionFont();
}
