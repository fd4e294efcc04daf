#include "editor/ui/PreviewStage.h"

#include "editor/ui/PictureView.h"
#include "platform/ui/ColorSwatch.h"

#include <QResizeEvent>

PreviewStage::PreviewStage(QWidget* parent)
    : QWidget(parent), imageBk(new PictureView(PictureView::Fit::Cover, this)),
      newBkGnd(new ColorSwatch(this)), image1(new PictureView(PictureView::Fit::Contain, this)) {
    newBkGnd->setFrameStyle(QFrame::NoFrame);
    image1->setMargin(kPictureMargin);
    image1->setClickableOnPictureOnly(true);
    newBkGnd->raise();
    image1->raise();
    setAutoFillBackground(true);
    QPalette dark = palette();
    dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    setPalette(dark);
}

void PreviewStage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    for (QWidget* layer : {static_cast<QWidget*>(imageBk), static_cast<QWidget*>(newBkGnd),
                           static_cast<QWidget*>(image1)})
        layer->setGeometry(rect());
}
