// The sorter window's controls and their places on an 800 x 600 screen.
#include "sorter/ui/AllImages.h"

#include "platform/ui/NamedControl.h"
#include "sorter/ui/ThumbnailCanvas.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>

namespace {
constexpr QSize kDesignWindow(663, 368);
constexpr int kCanvasDesignWidth = 368;

QLabel* SwapPicture(QWidget* parent, int slot) {
    auto* label = Named(new QLabel(parent), "imgSwap", slot);
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setScaledContents(true);
    label->setAccessibleName(QStringLiteral("Swap picture %1: empty").arg(slot + 1));
    return label;
}
} // namespace

void AllImages::buildLayout() {
    setWindowTitle(QStringLiteral("Click on any 2 Pictures to swap postions"));

    Picture2 = Named(new QFrame(this), "Picture2");
    Picture2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture2->setLineWidth(2);
    Picture2->setBackgroundRole(QPalette::Dark);
    Picture2->setAutoFillBackground(true);
    // The canvas slides inside a clip of the viewport's inner area, so it
    // never paints over the viewport's frame.
    auto* clip = new QWidget(Picture2);
    clip->setObjectName(QStringLiteral("Picture2Inner"));
    Picture1 = Named(new ThumbnailCanvas(clip), "Picture1");
    Picture1->installEventFilter(this);

    VScroll1 = Named(new QScrollBar(Qt::Vertical, this), "VScroll1");
    VScroll1->setAccessibleName(QStringLiteral("Scroll the thumbnails"));
    VScroll1->hide();

    // Top-aligned: the slider keeps its size on larger screens.
    Label1 = Named(new QLabel(QStringLiteral("Thumbnail Size"), this), "Label1");
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ThumbSizeSlider = Named(new QSlider(Qt::Horizontal, this), "ThumbSizeSlider");
    ThumbSizeSlider->setRange(kMinThumbnailSize, kMaxThumbnailSize);
    ThumbSizeSlider->setPageStep(1);
    ThumbSizeSlider->setTickPosition(QSlider::TicksBelow);
    ThumbSizeSlider->setTracking(false); // a new size when the handle is let go
    ThumbSizeSlider->setAccessibleName(Label1->text());
    Label1->setBuddy(ThumbSizeSlider);
    lblNumPicSel = Named(new QLabel(this), "lblNumPicSel");
    lblNumPicSel->setAlignment(Qt::AlignRight | Qt::AlignTop);

    ProgressBar1 = Named(new QProgressBar(this), "ProgressBar1");
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setAccessibleName(QStringLiteral("Thumbnails loading"));
    ProgressBar1->hide();

    fmeSwap = Named(new QGroupBox(QStringLiteral("Swap Picture Postions"), this), "fmeSwap");
    for (int s = 0; s < 2; ++s) {
        imgSwap[s] = SwapPicture(fmeSwap, s);
        lblSwapNum[s] = Named(new QLabel(fmeSwap), "lblSwapNum", s);
        lblSwapNum[s]->setAutoFillBackground(true);
        lblSwapNum[s]->setMargin(2);
        lblSwapNum[s]->hide();
        lblSwap[s] = Named(new QLabel(fmeSwap), "lblSwap", s);
        lblSwap[s]->hide();
        cmdClearSwapPic[s] = new QPushButton(QStringLiteral("clear"), fmeSwap);
        cmdClearSwapPic[s]->setObjectName(s == 0 ? QStringLiteral("cmdClearSwapPic0")
                                                 : QStringLiteral("cmdClearSwapPic1"));
        cmdClearSwapPic[s]->setAccessibleName(s == 0
                                                  ? QStringLiteral("Clear the upper swap picture")
                                                  : QStringLiteral("Clear the lower swap picture"));
        cmdClearSwapPic[s]->setAutoDefault(false);
    }
    cmdSwapPics =
        Named(new QPushButton(QStringLiteral("Swap these picture positions"), this), "cmdSwapPics");
    cmdSwapPics->setAutoDefault(false);

    // Places at 800 x 600, in the window's control order.
    places = {
        {Picture2, {8, 8, 409, 273}, ScaleRule::PlaceAndSize},
        {Picture1, {0, 0, kCanvasDesignWidth, 269}, ScaleRule::PlaceAndSize},
        {VScroll1, {417, 8, 17, 273}, ScaleRule::PlaceAndSize},
        {Label1, {8, 293, 90, 22}, ScaleRule::PlaceAndSize},
        {ThumbSizeSlider, {100, 288, 150, 28}, ScaleRule::KeepSize},
        {lblNumPicSel, {256, 293, 178, 22}, ScaleRule::PlaceAndSize},
        {ProgressBar1, {8, 324, 426, 12}, ScaleRule::KeepHeight},
        {fmeSwap, {446, 4, 209, 324}, ScaleRule::PlaceAndSize},
        {imgSwap[0], {12, 22, 185, 121}, ScaleRule::PlaceAndSize},
        {lblSwapNum[0], {14, 24, 36, 18}, ScaleRule::PlaceAndSize},
        {lblSwap[0], {12, 146, 130, 24}, ScaleRule::PlaceAndSize},
        {cmdClearSwapPic[0], {145, 146, 52, 24}, ScaleRule::PlaceAndSize},
        {imgSwap[1], {12, 170, 185, 121}, ScaleRule::PlaceAndSize},
        {lblSwapNum[1], {14, 172, 36, 18}, ScaleRule::PlaceAndSize},
        {lblSwap[1], {12, 294, 130, 24}, ScaleRule::PlaceAndSize},
        {cmdClearSwapPic[1], {145, 294, 52, 24}, ScaleRule::PlaceAndSize},
        {cmdSwapPics, {446, 332, 209, 28}, ScaleRule::PlaceAndSize},
    };
    for (const Place& p : places)
        p.control->setGeometry(p.design);
    setFixedSize(kDesignWindow);
}
