#include "video/ui/ShownSlides.h"

#include "pictures/ui/ShownPictures.h"
#include "platform/FilePaths.h"
#include "platform/RegularFile.h"
#include "video/ClipIdentify.h"
#include "video/ClipPosterCache.h"
#include "video/ClipTools.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {
const QStringList& ClipPatterns() {
    static const QStringList kPatterns{QStringLiteral("*.mp4"), QStringLiteral("*.mov"),
                                       QStringLiteral("*.m4v"), QStringLiteral("*.webm")};
    return kPatterns;
}

// The poster of a clip, or a null image.
QImage Marked(QImage poster) {
    if (!poster.isNull())
        DrawPlayMark(poster);
    return poster;
}
} // namespace

bool IsClipFile(const QString& path) {
    QFile file;
    if (!OpenRegularFile(file, path))
        return false;
    return ClipContainerOfHeader(file.read(256)).has_value();
}

std::optional<QSize> SlideShownSize(const QString& path) {
    if (!IsClipFile(path))
        return ShownSize(path);
    const CachedPoster poster = ClipPoster(path);
    return poster.ok() ? ShownSize(poster.path) : std::nullopt;
}

QImage DecodeSlideToFit(const QString& path, QSize box) {
    if (!IsClipFile(path))
        return DecodeToFit(path, box);
    const CachedPoster poster = ClipPoster(path);
    return poster.ok() ? Marked(DecodeToFit(poster.path, box)) : QImage();
}

QImage DecodeSlideToSize(const QString& path, QSize size) {
    if (!IsClipFile(path))
        return DecodeToSize(path, size);
    const CachedPoster poster = ClipPoster(path);
    return poster.ok() ? Marked(DecodeToSize(poster.path, size)) : QImage();
}

void DrawPlayMark(QImage& image) {
    if (image.format() != QImage::Format_ARGB32_Premultiplied &&
        image.format() != QImage::Format_RGB32)
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                : QImage::Format_RGB32);
    const int side = std::min(image.width(), image.height());
    const qreal diameter = std::clamp(side / 4.0, std::min(12.0, side * 0.8), 96.0);
    if (diameter < 4)
        return;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(image.width() / 2.0, image.height() / 2.0);
    painter.setPen(QPen(QColor(255, 255, 255, 220), std::max(1.0, diameter / 24)));
    painter.setBrush(QColor(0, 0, 0, 140));
    painter.drawEllipse(centre, diameter / 2, diameter / 2);
    // A triangle pointing right, its weight a little right of the centre.
    const qreal r = diameter * 0.24;
    QPainterPath triangle;
    triangle.moveTo(centre + QPointF(-r * 0.7, -r));
    triangle.lineTo(centre + QPointF(r * 1.1, 0));
    triangle.lineTo(centre + QPointF(-r * 0.7, r));
    triangle.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawPath(triangle);
}

SlideFileCheck CheckSlideFile(const QString& path) {
    if (!IsClipFile(path))
        return CanShowPicture(path) ? SlideFileCheck::Picture : SlideFileCheck::Unusable;
    if (!FindClipTools())
        return SlideFileCheck::NoClipTools;
    // The poster is made from a clip identified whole, and is then ready
    // for the preview.
    return ClipPoster(path).ok() ? SlideFileCheck::Clip : SlideFileCheck::Unusable;
}

QStringList SlideFileFilters() {
    // The pictures' first filter reads "Picture Files (jpg gif ...) (*.bmp *.gif ...)".
    const QStringList pictures = PictureFileFilters();
    const QString& first = pictures.value(0);
    const qsizetype kindsAt = first.indexOf(u'('), patternsAt = first.lastIndexOf(u'(');
    const QString kinds = first.mid(kindsAt + 1, first.indexOf(u')') - kindsAt - 1);
    const QString patterns = first.mid(patternsAt + 1, first.lastIndexOf(u')') - patternsAt - 1);
    const QString clipKinds = QStringLiteral("mp4 mov m4v webm");
    const QString clips = ClipPatterns().join(u' ');
    return QStringList{QStringLiteral("Pictures and Videos (%1 %2) (%3 %4)")
                           .arg(kinds, clipKinds, patterns, clips),
                       QStringLiteral("Videos (%1) (%2)").arg(clipKinds, clips)} +
           pictures;
}

QStringList SlideNamePatterns() {
    return PictureNamePatterns() + ClipPatterns();
}
