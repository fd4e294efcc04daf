#include "support/ui/TipWindow.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

namespace {
constexpr int kStem = 12;      // height of a balloon's stem
constexpr int kRadius = 8;     // corner radius of a balloon
constexpr int kCursorGap = 20; // a rectangular tip sits this far below the pointer
constexpr int kStemInset = 18; // stem distance from the balloon's near side

QColor ToColor(ColorValue c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

// The frame colour: halfway between text and background, so the frame shows
// on any pair of colours.
QColor FrameColor(const ToolTipLook& look) {
    const QColor a = ToColor(look.TxtColor), b = ToColor(look.BkColor);
    return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}
} // namespace

TipWindow::TipWindow() : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("TipWindow"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFont(QToolTip::font());
}

void TipWindow::showTip(const QString& text, const ToolTipLook& tipLook, QPoint anchor,
                        bool centered) {
    shown = text;
    look = tipLook;
    balloon = look.Style == kBalloonTip;

    // Lines break at CR LF and wrap at the tip width; a word longer than the
    // width keeps its line to itself.
    const int wrapWidth = look.TipWidth > 0 ? look.TipWidth : QWIDGETSIZE_MAX / 2;
    const QRect bounds = fontMetrics().boundingRect(QRect(0, 0, wrapWidth, QWIDGETSIZE_MAX / 2),
                                                    Qt::AlignLeft | Qt::TextWordWrap,
                                                    TipLines(text).join(QLatin1Char('\n')));
    const int padX = balloon ? 9 : 4, padY = balloon ? 6 : 2;
    const QSize body(bounds.width() + 2 * padX, bounds.height() + 2 * padY);

    const QScreen* screen = QGuiApplication::screenAt(anchor);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1 << 14, 1 << 14);

    const int stem = balloon ? kStem : 0;
    const int below = balloon ? anchor.y() : anchor.y() + (centered ? 2 : kCursorGap);
    stemUp = below + body.height() + stem <= area.bottom() ||
             anchor.y() - body.height() - stem < area.top();
    int left = centered ? anchor.x() - body.width() / 2 : anchor.x() - (balloon ? kStemInset : 0);
    left = qBound(area.left(), left, qMax(area.left(), area.right() - body.width()));
    const int top = stemUp ? below : anchor.y() - body.height() - stem - (balloon ? 0 : 4);
    stemX = qBound(kRadius + 2, anchor.x() - left, qMax(kRadius + 2, body.width() - kRadius - 16));

    textRect = QRect(QPoint(padX, padY + (stemUp ? stem : 0)), bounds.size());
    setGeometry(left, top, body.width(), body.height() + stem);
    if (balloon)
        setMask(QRegion(Outline().toFillPolygon().toPolygon()));
    else
        clearMask();
    show();
    raise();
    update();
}

QPainterPath TipWindow::Outline() const {
    QPainterPath path;
    if (!balloon) {
        path.addRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
        return path;
    }
    const QRectF box = QRectF(rect()).adjusted(0.5, stemUp ? kStem + 0.5 : 0.5, -0.5,
                                               stemUp ? -0.5 : -kStem - 0.5);
    path.addRoundedRect(box, kRadius, kRadius);
    // The stem: a triangle from the box's edge to the anchor.
    QPainterPath stem;
    const qreal edge = stemUp ? box.top() + 1 : box.bottom() - 1;
    const qreal point = stemUp ? 0.5 : height() - 0.5;
    stem.moveTo(stemX, edge);
    stem.lineTo(stemX, point);
    stem.lineTo(stemX + 14, edge);
    stem.closeSubpath();
    return path.united(stem).simplified();
}

void TipWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, balloon);
    painter.setPen(QPen(FrameColor(look), 1));
    painter.setBrush(ToColor(look.BkColor));
    painter.drawPath(Outline());
    painter.setPen(ToColor(look.TxtColor));
    painter.drawText(textRect, Qt::AlignLeft | Qt::TextWordWrap,
                     TipLines(shown).join(QLatin1Char('\n')));
}
