#include "sorter/ui/ThumbnailView.h"

#include "sorter/ui/ThumbnailStore.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>

namespace {
// The highlight's colour, 255 in blue-green-red order.
const QColor kHighlight(255, 0, 0);
} // namespace

ThumbnailView::ThumbnailView(const ThumbnailStore& store, int position, QWidget* parent)
    : QWidget(parent), pictures(store), at(position) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    refreshName();
}

void ThumbnailView::refreshName() {
    const QString& path = pictures.path(at);
    const QString name = path.isEmpty() ? QStringLiteral("no picture") : QFileInfo(path).fileName();
    setAccessibleName(QStringLiteral("Slide %1: %2").arg(at + 1).arg(name));
    setToolTip(path);
    scaledFrom = 0;
    update();
}

void ThumbnailView::setHighlighted(bool on) {
    if (outlined == on)
        return;
    outlined = on;
    update();
}

void ThumbnailView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QImage& image = pictures.image(at);
    if (image.isNull()) {
        painter.fillRect(rect(), palette().color(QPalette::Midlight));
    } else if (image.size() == size()) {
        painter.drawImage(0, 0, image);
    } else {
        // Scaled once per size and picture, not on every repaint.
        if (scaledFrom != image.cacheKey() || scaled.size() != size()) {
            scaled = image.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            scaledFrom = image.cacheKey();
        }
        painter.drawImage(0, 0, scaled);
    }

    // The number label in front of the top-left corner.
    const QString number = QString::number(at + 1);
    const QFontMetrics metrics(font());
    const QRect label(0, 0, metrics.horizontalAdvance(number) + 6, metrics.height());
    painter.fillRect(label, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(label, Qt::AlignCenter, number);

    if (outlined) {
        painter.setPen(QPen(kHighlight, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
    if (hasFocus()) {
        painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

void ThumbnailView::mousePressEvent(QMouseEvent* event) {
    pressedInside = true;
    emit pressed(at);
    event->accept();
}

void ThumbnailView::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressedInside && rect().contains(event->position().toPoint());
    pressedInside = false;
    if (click)
        emit clicked(at);
}

void ThumbnailView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit pressed(at);
        emit clicked(at);
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        emit moveAsked(at, event->key());
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}
