#include "AssetPictures.h"
#include "GifWriter.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

const QString kProgramFolder = QStringLiteral(PEVRANO_PROGRAM_FOLDER);

QImage DecodeGif(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "gif");
    return reader.read();
}

// Every pixel of the decoded picture has the colour its index stood for.
void ExpectSamePicture(const QImage& indexed, const QImage& decoded) {
    ASSERT_EQ(decoded.size(), indexed.size());
    const QImage rgb = decoded.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < indexed.height(); ++y)
        for (int x = 0; x < indexed.width(); ++x)
            ASSERT_EQ(rgb.pixel(x, y) | 0xFF000000u, indexed.pixel(x, y) | 0xFF000000u)
                << "at " << x << "," << y;
}

int DistinctColours(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QSet<QRgb> seen;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            seen.insert(rgb.pixel(x, y));
    return int(seen.size());
}

QImage Indexed(int w, int h, int colours, auto pixelIndex) {
    QImage img(w, h, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < colours; ++i)
        table.append(qRgb(i, (i * 7) % 256, 255 - i));
    img.setColorTable(table);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.scanLine(y)[x] = uchar(pixelIndex(x, y));
    return img;
}

} // namespace

TEST(GifWriter, QtReadsBackEveryPixel) {
    // Noise in all 256 colours fills the code table several times over.
    std::uint32_t state = 12345;
    auto noise = [&state](int, int) {
        state = state * 1664525u + 1013904223u;
        return int(state >> 24);
    };
    const QImage noisy = Indexed(300, 200, 256, noise);
    ExpectSamePicture(noisy, DecodeGif(EncodeGif(noisy)));

    // Long runs of one colour make long strings; a 1x1 picture has one code.
    const QImage bands = Indexed(257, 31, 3, [](int x, int y) { return (x / 50 + y / 10) % 3; });
    ExpectSamePicture(bands, DecodeGif(EncodeGif(bands)));
    const QImage dot = Indexed(1, 1, 2, [](int, int) { return 1; });
    ExpectSamePicture(dot, DecodeGif(EncodeGif(dot)));
}

TEST(GifWriter, FewColoursAreKeptExactlyManyGoToTheColourCube) {
    QImage flat(40, 10, QImage::Format_RGB32);
    flat.fill(qRgb(10, 20, 30));
    for (int x = 0; x < 40; ++x)
        flat.setPixel(x, 5, qRgb(x, 200, 7));
    const QImage exact = ToIndexed(flat);
    EXPECT_EQ(exact.colorCount(), 41);
    EXPECT_EQ(exact.convertToFormat(QImage::Format_RGB32), flat);

    QImage gradient(256, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 256; ++x)
            gradient.setPixel(x, y, qRgb(x, y * 4, 255 - x));
    EXPECT_EQ(ToIndexed(gradient).colorCount(), 252);
}

TEST(AssetPictures, SameDrawingEveryTime) {
    const auto first = AllAssetPictures();
    const auto second = AllAssetPictures();
    ASSERT_EQ(first.size(), 9u);
    for (std::size_t i = 0; i < first.size(); ++i)
        EXPECT_EQ(first[i].image, second[i].image) << first[i].fileName.toStdString();
}

// Each picture decodes in the format its name says and is a picture, not a
// blank; the six view sketches differ from one another.
TEST(ProgramFolder, PicturesAreInstalledReadableAndDistinct) {
    const QStringList names{"ssbc.jpg",    "ssbnoc.jpg",  "ssnobnoc.jpg",
                            "catalog.jpg", "fraleft.jpg", "fraright.jpg",
                            "clouds.jpg",  "wood.gif",    "film.gif"};
    QSet<QByteArray> views;
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        QFile f(kProgramFolder + '/' + name);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QImage image;
        ASSERT_TRUE(image.loadFromData(bytes, name.endsWith(".gif") ? "gif" : "jpeg"));
        EXPECT_GE(DistinctColours(image), 5);
        if (names.indexOf(name) < 6)
            views.insert(bytes);
    }
    EXPECT_EQ(views.size(), 6);
}

TEST(ProgramFolder, AppletArchiveHoldsTheJava8Class) {
#ifndef PEVRANO_HAVE_APPLET
    GTEST_SKIP() << "built without a Java compiler";
#endif
    QFile jar(kProgramFolder + "/photo.jar");
    ASSERT_TRUE(jar.open(QIODevice::ReadOnly));
    const QByteArray zip = jar.readAll();
    EXPECT_TRUE(zip.contains("META-INF/MANIFEST.MF"));
    // The class's local entry: a 30-byte header, the name, the stored bytes.
    const qsizetype name = zip.indexOf("photoalbum.class");
    ASSERT_GE(name, 30);
    const auto* h = reinterpret_cast<const uchar*>(zip.constData() + name - 30);
    ASSERT_EQ(zip.mid(name - 30, 4), QByteArray("PK\x03\x04", 4));
    EXPECT_EQ(qFromLittleEndian<quint16>(h + 8), 0); // stored
    const QByteArray classBytes =
        zip.mid(name + 16 + qFromLittleEndian<quint16>(h + 28), qFromLittleEndian<quint32>(h + 18));
    ASSERT_GE(classBytes.size(), 8);
    EXPECT_EQ(classBytes.left(4), QByteArray("\xCA\xFE\xBA\xBE", 4));
    EXPECT_EQ(qFromBigEndian<quint16>(classBytes.constData() + 6), 52); // Java 8
    for (const char* text : {"java/applet/Applet", "bgcolor", "pause", "timeout", "image"})
        EXPECT_TRUE(classBytes.contains(text)) << text;
}
