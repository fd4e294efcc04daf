#include "sorter/ui/ThumbnailCanvas.h"

#include "sorter/ui/ThumbnailStore.h"

#include <QAccessible>
#include <QApplication>
#include <QFileInfo>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>
#include <utility>

namespace {
// The highlight's colour, 255 in blue-green-red order.
const QColor kHighlight(255, 0, 0);
} // namespace

ThumbnailCanvas::ThumbnailCanvas(QWidget* parent) : QWidget(parent) {
    InstallThumbnailAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Thumbnails"));
}

ThumbnailCanvas::~ThumbnailCanvas() = default;

void ThumbnailCanvas::setStore(const ThumbnailStore* store) {
    pictures = store;
    update();
}

void ThumbnailCanvas::setGrid(const ThumbnailGrid& grid, int count) {
    layout = grid;
    slides = count;
    update();
}

std::optional<int> ThumbnailCanvas::at(QPoint point) const {
    const auto [from, to] = layout.meeting(point.y(), 1, slides);
    for (int k = from; k < to; ++k)
        if (layout.cell(k).contains(point))
            return k;
    return std::nullopt;
}

void ThumbnailCanvas::setCurrent(int k) {
    if (k == focused)
        return;
    updateThumbnail(focused);
    focused = k;
    updateThumbnail(k);
    if (hasFocus()) {
        QAccessibleEvent moved(this, QAccessible::Focus);
        moved.setChild(k);
        QAccessible::updateAccessibility(&moved);
    }
}

void ThumbnailCanvas::setHighlighted(int k) {
    updateThumbnail(outlined);
    outlined = k;
    updateThumbnail(k);
}

QString ThumbnailCanvas::path(int k) const {
    return pictures && k >= 0 && k < pictures->count() ? pictures->path(k) : QString();
}

QString ThumbnailCanvas::name(int k) const {
    const QString file = path(k);
    return QStringLiteral("Slide %1: %2")
        .arg(k + 1)
        .arg(file.isEmpty() ? QStringLiteral("no picture") : QFileInfo(file).fileName());
}

void ThumbnailCanvas::updateThumbnail(int k) {
    if (k >= 0 && k < slides)
        update(layout.cell(k));
}

void ThumbnailCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    painter.fillRect(area, palette().color(QPalette::Dark));
    const auto [from, to] = layout.meeting(area.top(), area.height(), slides);
    for (int k = from; k < to; ++k)
        if (layout.cell(k).intersects(area))
            paintThumbnail(painter, k);
}

void ThumbnailCanvas::paintThumbnail(QPainter& painter, int k) {
    const QRect cell = layout.cell(k);
    const QImage& image = pictures ? pictures->image(k) : QImage();
    if (image.isNull()) {
        painter.fillRect(cell, palette().color(QPalette::Midlight));
    } else if (image.size() == cell.size()) {
        painter.drawImage(cell.topLeft(), image);
    } else {
        // A thumbnail kept from another size stands in, stretched, until its
        // decode at this size arrives.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(cell, image);
    }

    // The number label in front of the top-left corner.
    const QString number = QString::number(k + 1);
    const QFontMetrics metrics(font());
    const QRect label(cell.topLeft(),
                      QSize(metrics.horizontalAdvance(number) + 6, metrics.height()));
    painter.fillRect(label, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(label, Qt::AlignCenter, number);

    if (k == outlined) {
        painter.setPen(QPen(kHighlight, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(cell).adjusted(1, 1, -1, -1));
    }
    if (k == focused && hasFocus()) {
        painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cell.adjusted(3, 3, -4, -4));
    }
}

void ThumbnailCanvas::mousePressEvent(QMouseEvent* event) {
    const auto k = at(event->position().toPoint());
    pressedOn = k.value_or(-1);
    pressedAt = event->position().toPoint();
    dragging = false;
    if (k)
        emit pressed(*k);
    event->accept();
}

void ThumbnailCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (pressedOn < 0 || dragging || !(event->buttons() & Qt::LeftButton))
        return;
    if ((event->position().toPoint() - pressedAt).manhattanLength() >=
        QApplication::startDragDistance()) {
        dragging = true;
        setCursor(Qt::ClosedHandCursor);
    }
}

void ThumbnailCanvas::mouseReleaseEvent(QMouseEvent* event) {
    const auto k = at(event->position().toPoint());
    const int from = std::exchange(pressedOn, -1);
    const bool dragged = std::exchange(dragging, false);
    if (dragged)
        unsetCursor();
    if (k && *k == from)
        emit clicked(*k);
    else if (dragged && k && from >= 0)
        emit this->dragged(from, *k);
}

void ThumbnailCanvas::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit pressed(focused);
        emit clicked(focused);
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        emit moveAsked(focused, event->key());
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

bool ThumbnailCanvas::event(QEvent* event) {
    // Each thumbnail's tooltip is its picture's path.
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const auto k = at(help->pos());
        if (k && !path(*k).isEmpty())
            QToolTip::showText(help->globalPos(), path(*k), this, layout.cell(*k));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void ThumbnailCanvas::focusInEvent(QFocusEvent* event) {
    updateThumbnail(focused);
    QWidget::focusInEvent(event);
}

void ThumbnailCanvas::focusOutEvent(QFocusEvent* event) {
    updateThumbnail(focused);
    QWidget::focusOutEvent(event);
}
