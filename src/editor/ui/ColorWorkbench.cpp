#include "editor/ui/ColorWorkbench.h"

#include "editor/ui/MainWindow.h"
#include "editor/ui/PictureView.h"
#include "editor/ui/PreviewNavigation.h"
#include "editor/ui/SlideEditing.h"
#include "editor/ui/undo/EditHistory.h"
#include "platform/ui/ColorSwatch.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

ColorWorkbench::ColorWorkbench(MainWindow& f, PreviewNavigation& n, SlideEditing& e)
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
    MainWindowControls& ui = form.ui;
    // A command that changes the show is one step of its history.
    const auto step = [this](EditKind kind, auto command) {
        return [this, kind, command] {
            const EditStep edit(form.history(), kind);
            command();
        };
    };
    const EditKind show = EditKind::ShowColors;
    const EditKind caption = EditKind::CaptionColors;
    const EditKind background = EditKind::SlideBackground;
    for (int i = 0; i < static_cast<int>(ui.PicMFormColors.size()); ++i)
        connect(ui.PicMFormColors[static_cast<std::size_t>(i)], &ColorSwatch::clicked, this,
                [this, i] { colors.takePaletteColor(i); });
    for (int i = 0; i < static_cast<int>(ui.picButBakColor.size()); ++i)
        connect(ui.picButBakColor[static_cast<std::size_t>(i)], &ColorSwatch::clicked, this,
                step(show, [this, i] { colors.paintButtonColor(i); }));
    connect(ui.picCapForeColor, &ColorSwatch::clicked, this,
            step(caption, [this] { colors.paintCaptionForeColor(); }));
    connect(ui.picCapBackColor, &ColorSwatch::clicked, this,
            step(caption, [this] { colors.paintCaptionBackColor(); }));
    connect(ui.picCapFrameColor, &ColorSwatch::clicked, this,
            step(show, [this] { colors.paintCaptionFrameColor(); }));
    connect(ui.lblCaption, &ColorSwatch::clicked, this,
            step(show, [this] { colors.paintFrameFromCaptionLabel(); }));

    connect(ui.cmdCapForeColor, &QPushButton::clicked, this,
            step(caption, [this] { colors.chooseCaptionForeColor(); }));
    connect(ui.cmdCapBackColor, &QPushButton::clicked, this,
            step(caption, [this] { colors.chooseCaptionBackColor(); }));
    connect(ui.cmdCapFrameColor, &QPushButton::clicked, this,
            step(show, [this] { colors.chooseCaptionFrameColor(); }));
    connect(ui.ShowCTform, &QPushButton::clicked, this, [this] { colors.openColorToolAlone(); });
    connect(ui.cmdFont, &QPushButton::clicked, this,
            step(EditKind::CaptionFont, [this] { colors.openCaptionStyle(); }));

    for (int i = 0; i < 2; ++i) {
        const auto index = static_cast<std::size_t>(i);
        connect(ui.optBakPicColorOrPic[index], &QRadioButton::clicked, this,
                step(background, [this, i] { colors.useBackgroundOption(i); }));
        connect(ui.cmdPicBakColorOrPic[index], &QPushButton::clicked, this,
                step(background, [this, i] { colors.chooseBackground(i); }));
        connect(ui.optFullOrCondTintara[index], &QRadioButton::clicked, this,
                [this, i] { colors.chooseColorToolKind(i); });
    }
    connect(ui.picBackColor, &ColorSwatch::clicked, this,
            step(background, [this] { colors.applyBackgroundToSlide(0); }));
    connect(ui.picBackPicture, &PictureView::clicked, this,
            step(background, [this] { colors.applyBackgroundToSlide(1); }));
    connect(ui.lblNewBkGnd, &ColorSwatch::clicked, this,
            step(background, [this] { colors.applyBackColorToSlide(); }));

    connect(&form, &MainWindow::activated, this, [this] {
        // What the window finishes of another window's hand-over is a step:
        // the caption colours of the current slide, or the backgrounds.
        const EditorFlags& f = form.project().flags;
        const EditStep edit(form.history(), f.PickingCapForeColor || f.PickingCapBackColor
                                                ? EditKind::CaptionColors
                                                : EditKind::SlideBackground);
        colors.windowActivated();
    });
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
    editing.addPictures();
}

void ColorWorkbench::applyCaptionFont() {
    form.ApplyCaptionFont();
}
