#include "editor/ui/PictureView.h"

#include "pictures/PictureEngine.h"
#include "pictures/ui/ShownPictures.h"
#include "platform/ui/AccessibleControls.h"
#include "video/ui/ShownSlides.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

PictureView::PictureView(Fit fitMode, QWidget* parent) : QWidget(parent), fit(fitMode) {
    redecodeTimer.setSingleShot(true);
    redecodeTimer.setInterval(120);
    connect(&redecodeTimer, &QTimer::timeout, this, &PictureView::redecodeIfTooSmall);
}

QSize PictureView::decodeBox() const {
    const QSize logical =
        fit == Fit::Contain ? size().shrunkBy({margin, margin, margin, margin}) : size();
    return (QSizeF(logical.expandedTo({1, 1})) * devicePixelRatioF()).toSize();
}

bool PictureView::load(const QString& path) {
    QImage decoded = fit == Fit::Contain ? DecodeSlideToFit(path, decodeBox())
                                         : DecodeToCover(path, decodeBox());
    if (decoded.isNull())
        return false;
    showDecoded(path, decoded);
    return true;
}

void PictureView::showDecoded(const QString& path, const QImage& image) {
    shownPath = path;
    picture = image;
    picture.setDevicePixelRatio(devicePixelRatioF());
    updateClickArea();
    update();
}

void PictureView::clear() {
    shownPath.clear();
    picture = QImage();
    updateClickArea();
    update();
}

void PictureView::setClickableOnPictureOnly(bool on) {
    clickableOnPictureOnly = on;
    updateClickArea();
}

void PictureView::updateClickArea() {
    if (!clickableOnPictureOnly)
        return;
    // A widget's mask limits where it is hit as well as where it paints;
    // the picture is drawn only inside targetRect anyway.
    const bool none = picture.isNull();
    setAttribute(Qt::WA_TransparentForMouseEvents, none);
    if (none)
        clearMask();
    else
        setMask(targetRect());
}

QRect PictureView::targetRect() const {
    const QSizeF pictureSize = QSizeF(picture.size()) / devicePixelRatioF();
    const QRectF box = fit == Fit::Contain
                           ? QRectF(rect()).adjusted(margin, margin, -margin, -margin)
                           : QRectF(rect());
    const QSizeF shown =
        fit == Fit::Contain
            ? (pictureSize.width() <= box.width() && pictureSize.height() <= box.height()
                   ? pictureSize
                   : pictureSize.scaled(box.size(), Qt::KeepAspectRatio))
            : pictureSize.scaled(box.size(), Qt::KeepAspectRatioByExpanding);
    QRectF target(QPointF(), shown);
    target.moveCenter(box.center());
    return target.toRect();
}

void PictureView::paintEvent(QPaintEvent*) {
    if (picture.isNull() && !framed)
        return;
    QPainter painter(this);
    if (!picture.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setClipRect(rect());
        painter.drawImage(targetRect(), picture);
    }
    if (framed) {
        painter.setClipping(false);
        painter.setPen(palette().color(QPalette::Dark));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (hasFocus()) {
        painter.setClipping(false);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void PictureView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updateClickArea();
    if (!shownPath.isEmpty())
        redecodeTimer.start();
}

void PictureView::redecodeIfTooSmall() {
    if (shownPath.isEmpty())
        return;
    // A contained view shows slides (pictures or clips), a covering one
    // backgrounds (pictures only).
    const std::optional<QSize> source =
        fit == Fit::Contain ? SlideShownSize(shownPath) : ShownSize(shownPath);
    if (!source)
        return;
    const QSize wanted =
        fit == Fit::Contain ? FittedSize(*source, decodeBox()) : CoverBox(*source, decodeBox());
    if (wanted.width() > picture.width() || wanted.height() > picture.height())
        load(shownPath);
}

void PictureView::keyPressEvent(QKeyEvent* event) {
    if (AccessibleControls::IsPressKey(event->key()) && (focusPolicy() & Qt::TabFocus)) {
        click();
        return;
    }
    QWidget::keyPressEvent(event);
}

QString PictureView::shownFileName() const {
    return QFileInfo(shownPath).fileName();
}

void PictureView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}
