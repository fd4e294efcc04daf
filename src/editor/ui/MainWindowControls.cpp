#include "editor/ui/MainWindowControls.h"

#include "editor/ui/PictureView.h"
#include "editor/ui/PreviewStage.h"
#include "platform/ui/AccessibleControls.h"
#include "platform/ui/ColorSwatch.h"
#include "platform/ui/NamedControl.h"
#include "project/ShowLimits.h"

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

namespace {
// Boxes whose click repeats what a swatch beside them does: pressable by
// screen readers, but no extra stop for Tab.
void NameClickTarget(QWidget* widget, const QString& name) {
    AccessibleControls::MakeButton(widget, name);
    widget->setFocusPolicy(Qt::ClickFocus);
}

// A widget that keeps its place in the layout while hidden, so showing or
// hiding it does not shift its neighbours.
void KeepPlace(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}
} // namespace

void MainWindowControls::setUp(QMainWindow& window) {
    setupUi(&window);
    JoinControlArrays(&window);
    cmdFB = ControlArray<QPushButton, 5>(window, "cmdFB");
    PicMFormColors = ControlArray<ColorSwatch, 14>(window, "PicMFormColors");
    picButBakColor = ControlArray<ColorSwatch, 5>(window, "picButBakColor");
    optBakPicColorOrPic = ControlArray<QRadioButton, 2>(window, "optBakPicColorOrPic");
    cmdPicBakColorOrPic = ControlArray<QPushButton, 2>(window, "cmdPicBakColorOrPic");
    optFullOrCondTintara = ControlArray<QRadioButton, 2>(window, "optFullOrCondTintara");
    picBackColor = picBackColorOrPic_0;
    picBackPicture = picBackColorOrPic_1;

    Image1 = Named(preview->picture(), "Image1");
    ImageBk = Named(preview->background(), "ImageBk");
    lblNewBkGnd = Named(preview->colorSwatch(), "lblNewBkGnd");
    NameClickTarget(lblNewBkGnd, QStringLiteral("Slide background colour around the picture"));
    NameClickTarget(lblCaption, QStringLiteral("Caption frame colour"));
    AccessibleControls::NameDisplay(Image1, QStringLiteral("Picture preview"));
    AccessibleControls::NameDisplay(ImageBk, QStringLiteral("Background picture preview"));
    AccessibleControls::NameDisplay(picActiveColor, picActiveColor->accessibleName());
    // The swatches that act as buttons are named in the Designer file after
    // what they colour.
    for (ColorSwatch* swatch : window.findChildren<ColorSwatch*>())
        if (swatch != picActiveColor && swatch != lblCaption && swatch != lblNewBkGnd)
            AccessibleControls::MakeButton(swatch, swatch->accessibleName());
    picBackPicture->setFramed(true);
    AccessibleControls::MakeButton(picBackPicture, picBackPicture->accessibleName());

    VScrollSec->setRange(kMinDelaySeconds, kMaxDelaySeconds);
    // The buttons' short names are smaller than the window's text.
    for (QLabel* caption : fmeButtonColors->findChildren<QLabel*>()) {
        QFont small = caption->font();
        small.setPointSizeF(small.pointSizeF() * 0.8);
        caption->setFont(small);
    }
    KeepPlace(cmdAllImages);
    KeepPlace(PBar1);
    PBar1->hide();

    mnuHelp->setShortcut(QKeySequence::HelpContents);
    Timer1 = Named(new QTimer(&window), "Timer1");
}
