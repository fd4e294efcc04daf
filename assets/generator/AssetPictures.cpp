#include "AssetPictures.h"

#include "Noise.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>

namespace {

constexpr int kSketchWidth = 160;
constexpr int kSketchHeight = 120;

// The colours of a show made with the tool's defaults.
const QColor kSlideBack(0xFF, 0x00, 0xC1);
const QColor kCaptionBack(0x80, 0xFF, 0xFF);
const QColor kCaptionFrame(0xCC, 0x99, 0xFF);
const std::array<QColor, 5> kButtons{QColor(0, 0, 0), QColor(0, 0, 255), QColor(0, 255, 0),
                                     QColor(0, 0, 255), QColor(0, 0, 0)};

// A small photograph: sky, sun and two hills, tinted by `variant` so a row of
// them reads as different pictures.
void DrawPhoto(QPainter& g, const QRectF& r, int variant) {
    static constexpr std::array<std::array<int, 6>, 4> kPalettes{{
        {{70, 130, 220, 60, 150, 60}},    // blue sky, green hills
        {{240, 150, 90, 120, 80, 60}},    // sunset, brown hills
        {{120, 190, 240, 220, 220, 230}}, // pale sky, snow
        {{40, 60, 120, 30, 90, 110}},     // dusk over the sea
    }};
    const auto& c = kPalettes[std::size_t(variant) % kPalettes.size()];
    g.save();
    g.setClipRect(r);
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(c[0], c[1], c[2]).darker(130));
    sky.setColorAt(1, QColor(c[0], c[1], c[2]).lighter(140));
    g.fillRect(r, sky);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(255, 235, 120));
    const double sun = r.height() * 0.18;
    g.drawEllipse(
        QPointF(r.left() + r.width() * (0.25 + 0.15 * (variant % 3)), r.top() + r.height() * 0.3),
        sun, sun);
    const QColor hill(c[3], c[4], c[5]);
    for (int i = 0; i < 2; ++i) {
        QPainterPath path;
        const double base = r.top() + r.height() * (0.62 + 0.12 * i);
        path.moveTo(r.left(), r.bottom());
        path.lineTo(r.left(), base);
        path.cubicTo(r.left() + r.width() * (0.3 + 0.2 * i), base - r.height() * 0.35,
                     r.left() + r.width() * (0.6 - 0.1 * i), base + r.height() * 0.15, r.right(),
                     base - r.height() * 0.1);
        path.lineTo(r.right(), r.bottom());
        path.closeSubpath();
        g.setBrush(i == 0 ? hill.lighter(120) : hill.darker(120));
        g.drawPath(path);
    }
    g.restore();
    g.setPen(QPen(QColor(255, 255, 255), 1));
    g.setBrush(Qt::NoBrush);
    g.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
}

// Short dark bars standing for a line of text.
void DrawTextLine(QPainter& g, const QRectF& r, const QColor& ink) {
    g.setPen(Qt::NoPen);
    g.setBrush(ink);
    double x = r.left();
    const std::array<double, 5> words{0.16, 0.1, 0.22, 0.08, 0.18};
    for (double w : words) {
        const double width = r.width() * w;
        if (x + width > r.right())
            break;
        g.drawRoundedRect(QRectF(x, r.top(), width, r.height()), 1, 1);
        x += width + r.width() * 0.04;
    }
}

void DrawCaptionBar(QPainter& g, const QRectF& r) {
    g.setPen(QPen(kCaptionFrame, 3));
    g.setBrush(kCaptionBack);
    g.drawRect(r);
    DrawTextLine(g, QRectF(r.left() + 12, r.center().y() - 2, r.width() - 24, 4), Qt::black);
}

void DrawButtonRow(QPainter& g, const QRectF& r) {
    g.fillRect(r, Qt::black);
    const double cell = r.width() / 5;
    for (int i = 0; i < 5; ++i) {
        const QRectF c(r.left() + i * cell + 2, r.top() + 2, cell - 4, r.height() - 4);
        g.setPen(QPen(QColor(150, 150, 150), 1));
        g.setBrush(kButtons[std::size_t(i)]);
        g.drawRect(c);
        DrawTextLine(g, QRectF(c.left() + 6, c.center().y() - 1, c.width() - 12, 2),
                     QColor(255, 255, 255));
    }
}

void DrawThumbColumn(QPainter& g, const QRectF& r) {
    g.fillRect(r, QColor(250, 250, 250));
    const double step = r.height() / 4;
    for (int i = 0; i < 4; ++i)
        DrawPhoto(g, QRectF(r.left() + 5, r.top() + i * step + 4, r.width() - 10, step - 8), i);
    g.setPen(QPen(QColor(120, 120, 120), 2));
    const double edge = r.left() < 1 ? r.right() : r.left();
    g.drawLine(QPointF(edge, r.top()), QPointF(edge, r.bottom()));
}

QImage NewCanvas(int w, int h, const QColor& fill) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(fill);
    return img;
}

} // namespace

QImage ViewSketch(const QString& view) {
    const QRectF all(0, 0, kSketchWidth, kSketchHeight);
    QImage img = NewCanvas(kSketchWidth, kSketchHeight, kSlideBack);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    if (view == QLatin1String("ssbc.jpg")) {
        DrawPhoto(g, QRectF(32, 6, 96, 64), 0);
        DrawCaptionBar(g, QRectF(8, 76, 144, 16));
        DrawButtonRow(g, QRectF(4, 98, 152, 18));
    } else if (view == QLatin1String("ssbnoc.jpg")) {
        DrawPhoto(g, QRectF(24, 6, 112, 84), 0);
        DrawButtonRow(g, QRectF(4, 98, 152, 18));
    } else if (view == QLatin1String("ssnobnoc.jpg")) {
        DrawPhoto(g, QRectF(12, 6, 136, 108), 0);
    } else if (view == QLatin1String("catalog.jpg")) {
        g.fillRect(all, QColor(255, 255, 255));
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 4; ++col)
                DrawPhoto(g, QRectF(6 + col * 38, 6 + row * 38, 34, 34), row * 4 + col);
    } else if (view == QLatin1String("fraleft.jpg")) {
        g.fillRect(all, QColor(0, 0, 0));
        DrawThumbColumn(g, QRectF(0, 0, 44, kSketchHeight));
        DrawPhoto(g, QRectF(52, 14, 100, 92), 1);
    } else if (view == QLatin1String("fraright.jpg")) {
        g.fillRect(all, QColor(0, 0, 0));
        DrawThumbColumn(g, QRectF(kSketchWidth - 44, 0, 44, kSketchHeight));
        DrawPhoto(g, QRectF(8, 14, 100, 92), 1);
    }
    return img;
}

QImage CloudySky() {
    constexpr int w = 320, h = 240;
    QImage img(w, h, QImage::Format_RGB32);
    const PeriodicNoise noise(20240601u);
    for (int y = 0; y < h; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        const double t = double(y) / (h - 1);
        // Deep blue overhead, paler towards the horizon.
        const double skyR = 40 + 110 * t, skyG = 100 + 100 * t, skyB = 200 + 50 * t;
        for (int x = 0; x < w; ++x) {
            const double n = noise.fractal(x / 80.0, y / 60.0, 4, 4, 5);
            double cloud = std::clamp((n - 0.45) / 0.25, 0.0, 1.0);
            cloud = cloud * cloud * (3 - 2 * cloud);
            // Cloud bottoms are a little grey.
            const double shade = 255 - 40 * noise.fractal(x / 40.0, y / 30.0 + 7, 8, 8, 3);
            auto mix = [&](double sky) { return int(sky + (shade - sky) * cloud); };
            row[x] = qRgb(mix(skyR), mix(skyG), mix(skyB));
        }
    }
    return img;
}

QImage WoodGrainTile() {
    constexpr int w = 128, h = 128, shades = 64;
    QImage img(w, h, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < shades; ++i) {
        const double t = double(i) / (shades - 1);
        table.append(qRgb(int(96 + 110 * t), int(52 + 86 * t), int(22 + 60 * t)));
    }
    img.setColorTable(table);
    const PeriodicNoise noise(19750312u);
    constexpr double kRings = 6; // whole rings across the tile, so it repeats
    for (int y = 0; y < h; ++y) {
        uchar* row = img.scanLine(y);
        for (int x = 0; x < w; ++x) {
            const double warp = noise.fractal(x / 32.0, y / 64.0, 4, 2, 3);
            const double ring = 0.5 + 0.5 * std::sin(2 * M_PI * (kRings * x / w + 1.2 * warp));
            const double fibre = noise.fractal(x / 2.0, y / 32.0, 64, 4, 2);
            const double v = std::clamp(0.15 + 0.6 * ring * ring + 0.3 * fibre, 0.0, 1.0);
            row[x] = uchar(std::lround(v * (shades - 1)));
        }
    }
    return img;
}

QImage FilmStripTile() {
    constexpr int w = 96, h = 96;
    QImage img = NewCanvas(w, h, QColor(20, 20, 20));
    QPainter g(&img); // no antialiasing: a handful of flat colours
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(235, 235, 225));
    for (int i = 0; i < 4; ++i) {
        g.drawRect(i * 24 + 7, 4, 10, 8);
        g.drawRect(i * 24 + 7, h - 12, 10, 8);
    }
    const QRect frame(6, 18, 84, 60);
    g.setBrush(QColor(190, 150, 90));
    g.drawRect(frame);
    g.setBrush(QColor(230, 200, 140));
    g.drawRect(frame.left(), frame.top(), frame.width(), 36);
    g.setBrush(QColor(250, 240, 200));
    g.drawEllipse(QPoint(30, 34), 8, 8);
    g.setBrush(QColor(120, 90, 50));
    g.drawPolygon(QPolygon({QPoint(6, 78), QPoint(6, 58), QPoint(36, 44), QPoint(62, 60),
                            QPoint(90, 50), QPoint(90, 78)}));
    return img;
}

QImage AppIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 256-unit square whatever the size.
    g.scale(size / 256.0, size / 256.0);
    QLinearGradient back(0, 0, 0, 256);
    back.setColorAt(0, kSlideBack.lighter(125));
    back.setColorAt(1, kSlideBack.darker(140));
    g.setPen(Qt::NoPen);
    g.setBrush(back);
    g.drawRoundedRect(QRectF(8, 8, 240, 240), 48, 48);
    // A second slide behind the first, tilted.
    g.save();
    g.translate(128, 118);
    g.rotate(-9);
    g.setBrush(QColor(255, 255, 255, 150));
    g.drawRoundedRect(QRectF(-100, -80, 200, 150), 8, 8);
    g.restore();
    g.setBrush(QColor(250, 250, 250));
    g.drawRoundedRect(QRectF(26, 52, 204, 164), 8, 8);
    DrawPhoto(g, QRectF(38, 64, 180, 106), 0);
    g.setPen(QPen(kCaptionFrame, 5));
    g.setBrush(kCaptionBack);
    g.drawRect(QRectF(40, 180, 176, 24));
    if (size >= 32)
        DrawTextLine(g, QRectF(54, 189, 148, 6), Qt::black);
    return img;
}

std::vector<AssetPicture> AllAssetPictures() {
    std::vector<AssetPicture> out;
    for (const char* view :
         {"ssbc.jpg", "ssbnoc.jpg", "ssnobnoc.jpg", "catalog.jpg", "fraleft.jpg", "fraright.jpg"})
        out.push_back({QString::fromLatin1(view), ViewSketch(QString::fromLatin1(view))});
    out.push_back({QStringLiteral("clouds.jpg"), CloudySky()});
    out.push_back({QStringLiteral("wood.gif"), WoodGrainTile()});
    out.push_back({QStringLiteral("film.gif"), FilmStripTile()});
    return out;
}
