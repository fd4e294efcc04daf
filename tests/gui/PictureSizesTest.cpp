// The copies the compile makes of slide pictures through the picture
// engine: the thumbnail, the phone size and the fitted full copy, their
// filter and the pictures too large for Qt's readers.
#include "GifWriter.h"
#include "QuarterColors.h"
#include "compiler/PictureCopies.h"
#include "core/PrintQt.h"
#include "core/TestFiles.h"
#include "pictures/ui/PictureImage.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace {
// Left half one colour, right half another.
QImage Halves(QSize size, QColor left, QColor right, QImage::Format format = QImage::Format_RGB32) {
    QImage image(size, format);
    image.fill(right);
    QPainter(&image).fillRect(0, 0, size.width() / 2, size.height(), left);
    return image;
}

bool Near(QColor a, QColor b) {
    return ColorDistance(a, b) < 60;
}

struct Copy {
    QByteArray format;
    QImageIOHandler::Transformations transformation;
    QImage image; // as stored, not turned
};

Copy Read(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);
    Copy c{reader.format(), reader.transformation(), {}};
    c.image = reader.read();
    return c;
}

// A zone plate: rings whose frequency grows from nothing at the centre to
// half a cycle a pixel (the finest a picture holds) at the left and right
// edges. Its value at (x, y) is known exactly, so is what a clean reduction
// must show: the rings below the smaller picture's limit, flat grey above it.
double ZoneValue(double x, double y, QSize size) {
    const double cx = x - size.width() / 2.0;
    const double cy = y - size.height() / 2.0;
    return 127.5 + 127.0 * std::cos(std::numbers::pi * (cx * cx + cy * cy) / size.width());
}

QImage ZonePlate(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const int v = static_cast<int>(std::lround(ZoneValue(x, y, size)));
            image.setPixel(x, y, qRgb(v, v, v));
        }
    return image;
}

struct ZoneErrors {
    double passBand = 0; // mean difference from the true rings where they should show
    double stopBand = 0; // mean distance from flat grey where nothing should show
};

// Rings finer than 1.3 x the reduced picture's limit must be gone; rings
// coarser than 0.4 x its limit must be there as they are.
ZoneErrors MeasureZone(const QImage& reduced, QSize source) {
    const double scale = double(source.width()) / reduced.width();
    ZoneErrors e;
    int pass = 0, stop = 0;
    for (int y = 0; y < reduced.height(); ++y)
        for (int x = 0; x < reduced.width(); ++x) {
            const double sx = (x + 0.5) * scale - 0.5;
            const double sy = (y + 0.5) * scale - 0.5;
            const double r = std::hypot(sx - source.width() / 2.0, sy - source.height() / 2.0);
            // Cycles a pixel of the reduced picture; its limit is 0.5.
            const double frequency = r / source.width() * scale;
            const int v = qGray(reduced.pixel(x, y));
            if (frequency < 0.2) {
                e.passBand += std::abs(v - ZoneValue(sx, sy, source));
                ++pass;
            } else if (frequency > 0.65) {
                e.stopBand += std::abs(v - 127.5);
                ++stop;
            }
        }
    e.passBand /= std::max(pass, 1);
    e.stopBand /= std::max(stop, 1);
    return e;
}

class PictureSizes : public ::testing::Test {
protected:
    QString save(const QImage& image, const QString& name) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(image.save(path)) << path.toStdString();
        return path;
    }

    PictureCopies copies(const QString& source, const PictureRequest& request) {
        return MakeCopies(source, request, budget, nullptr);
    }

    QTemporaryDir dir;
    DecodeBudget budget;
    const PictureRequest sizes{std::nullopt, true};
};
} // namespace

// A large photo gets both sizes inside their boxes; its full copy is left to
// be copied as it is. A picture stored on its side comes out upright with no
// orientation tag left; a colour profile is kept.
TEST_F(PictureSizes, SizesFitTheirBoxesUprightWithTheProfileKept) {
    QImage wideImage = Halves({4000, 3000}, Qt::red, Qt::blue);
    wideImage.setColorSpace(QColorSpace::DisplayP3);
    const QString wide = save(wideImage, "wide.jpg");
    const PictureCopies w = copies(wide, sizes);
    EXPECT_TRUE(w.copyAsItIs);
    EXPECT_FALSE(w.sizesFailed);
    const Copy thumb = Read(w.thumb.bytes);
    EXPECT_EQ(thumb.format, "jpeg");
    EXPECT_EQ(thumb.image.size(), QSize(240, 180));
    EXPECT_TRUE(Near(thumb.image.pixelColor(5, 90), Qt::red));
    EXPECT_TRUE(Near(thumb.image.pixelColor(234, 90), Qt::blue));
    const Copy phone = Read(w.phone.bytes);
    EXPECT_EQ(phone.format, "jpeg");
    EXPECT_EQ(phone.image.size(), QSize(1280, 960));
    EXPECT_EQ(thumb.image.colorSpace(), QColorSpace(QColorSpace::DisplayP3));
    EXPECT_EQ(phone.image.colorSpace(), QColorSpace(QColorSpace::DisplayP3));

    QImageWriter writer(dir.filePath("turned.jpg"));
    writer.setTransformation(QImageIOHandler::TransformationRotate90);
    ASSERT_TRUE(writer.write(Halves({2400, 1600}, Qt::green, Qt::black)));
    const PictureCopies t = copies(dir.filePath("turned.jpg"), {QSize(1000, 1000), true});
    // Turned by a quarter, the stored left half is the shown top.
    for (const QByteArray& bytes : {t.full.bytes, t.thumb.bytes}) {
        const Copy c = Read(bytes);
        EXPECT_EQ(c.transformation, QImageIOHandler::TransformationNone);
        EXPECT_LT(c.image.width(), c.image.height());
        EXPECT_TRUE(Near(c.image.pixelColor(c.image.width() / 2, 2), Qt::green));
        EXPECT_TRUE(Near(c.image.pixelColor(c.image.width() / 2, c.image.height() - 3), Qt::black));
    }
    EXPECT_FALSE(t.copyAsItIs);
    EXPECT_EQ(Read(t.full.bytes).image.size(), QSize(667, 1000));
    EXPECT_EQ(t.fullSize, QSize(667, 1000));
    EXPECT_EQ(Read(t.thumb.bytes).image.size(), QSize(120, 180));
    // No phone size: the full copy fits a phone already.
    EXPECT_FALSE(t.phone.made());
}

// A small picture gets a thumbnail no larger than itself and no phone size;
// GIF and BMP slides get JPEG sizes (an animated GIF its first frame), and a
// GIF's full copy stays as it is even when fitting; a file that is no
// picture gets nothing and is left out.
TEST_F(PictureSizes, SmallGifBmpAndBrokenPictures) {
    const PictureCopies small =
        copies(save(Halves({200, 100}, Qt::red, Qt::blue), "small.png"), sizes);
    EXPECT_EQ(Read(small.thumb.bytes).image.size(), QSize(200, 100));
    EXPECT_FALSE(small.phone.made());

    const QString gifPath = dir.filePath("wide.gif");
    WriteFile(gifPath, EncodeGif(ToIndexed(Halves({1600, 1200}, Qt::red, Qt::blue))));
    const PictureCopies g = copies(gifPath, {QSize(800, 800), true});
    EXPECT_TRUE(g.copyAsItIs);
    EXPECT_EQ(Read(g.thumb.bytes).format, "jpeg");
    EXPECT_EQ(Read(g.thumb.bytes).image.size(), QSize(240, 180));
    EXPECT_EQ(Read(g.phone.bytes).image.size(), QSize(1280, 960));

    const PictureCopies b =
        copies(save(Halves({3000, 1000}, Qt::red, Qt::blue), "wide.bmp"), sizes);
    EXPECT_EQ(Read(b.thumb.bytes).image.size(), QSize(240, 80));
    EXPECT_EQ(Read(b.phone.bytes).image.size(), QSize(1280, 427));
    EXPECT_TRUE(Near(Read(b.phone.bytes).image.pixelColor(2, 200), Qt::red));

    WriteFile(dir.filePath("broken.jpg"), "not a picture");
    const PictureCopies x = copies(dir.filePath("broken.jpg"), sizes);
    EXPECT_TRUE(x.leftOut);
    EXPECT_FALSE(x.thumb.made() || x.phone.made());
    const PictureCopies missing = copies(dir.filePath("gone.jpg"), sizes);
    EXPECT_TRUE(missing.leftOut);
    EXPECT_FALSE(missing.refusal.isEmpty());
}

// Pictures whose full decode passes Qt's allocation limit are read reduced
// and fitted: a 16-bit PNG of 6000 x 4500 and a BMP of 8000 x 6000.
TEST_F(PictureSizes, PicturesPastQtsAllocationLimitAreFitted) {
    const QString png =
        save(Halves({6000, 4500}, Qt::red, Qt::blue, QImage::Format_RGBX64), "deep.png");
    EXPECT_EQ(QImageReader(png).imageFormat(), QImage::Format_RGBX64);
    const PictureCopies p = copies(png, {QSize(1920, 1080), true});
    ASSERT_FALSE(p.copyAsItIs);
    const Copy full = Read(p.full.bytes);
    EXPECT_EQ(full.format, "png");
    EXPECT_EQ(full.image.size(), QSize(1440, 1080));
    EXPECT_TRUE(Near(full.image.pixelColor(10, 500), Qt::red));
    EXPECT_TRUE(Near(full.image.pixelColor(1430, 500), Qt::blue));
    EXPECT_EQ(Read(p.thumb.bytes).image.size(), QSize(240, 180));

    const QString bmp = save(Halves({8000, 6000}, Qt::green, Qt::blue), "huge.bmp");
    const PictureCopies b = copies(bmp, {QSize(1920, 1080), true});
    ASSERT_FALSE(b.copyAsItIs);
    EXPECT_EQ(Read(b.full.bytes).format, "bmp");
    EXPECT_EQ(Read(b.full.bytes).image.size(), QSize(1440, 1080));
    EXPECT_TRUE(Near(Read(b.full.bytes).image.pixelColor(10, 10), Qt::green));
    EXPECT_TRUE(Near(Read(b.thumb.bytes).image.pixelColor(230, 170), Qt::blue));
    EXPECT_FALSE(b.sizesFailed);
}

// The filter on a zone plate: rings finer than the reduced picture can hold
// are mostly removed rather than folded back as false rings (moiré), and the
// coarse rings stay true. libvips' reduction (as vipsthumbnail's) leaves
// about 3.0; Qt's smooth scale (area averaging) about 9.6 and 4.0.
TEST_F(PictureSizes, ZonePlateShowsNoFalseRings) {
    const QSize source(800, 600);
    const QImage zone = ZonePlate(source);
    const QString path = save(zone, "zone.png");
    for (const QSize size : {QSize(288, 216), QSize(120, 90)}) {
        const ZoneErrors lanczos = MeasureZone(DecodeImage(path, size), source);
        EXPECT_LT(lanczos.stopBand, 3.5) << size.width();
        EXPECT_LT(lanczos.passBand, 5.5) << size.width();
        const ZoneErrors smooth =
            MeasureZone(zone.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), source);
        EXPECT_GT(smooth.stopBand, 1.25 * lanczos.stopBand) << size.width();
    }
    // Never larger than the picture.
    EXPECT_EQ(DecodeImage(path, {801, 601}).size(), source);
}
