// The built executable's headless compile, run as a batch user runs it:
// without any display, the opening page on standard output, and the status.
#include "GifWriter.h"
#include "GuiTestSupport.h"
#include "core/PrintQt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QImage Halves(int width, int height, QColor left, QColor right) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(right);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width / 2; ++x)
            image.setPixelColor(x, y, left);
    return image;
}

bool Near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) <
           60;
}

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

// One run compiles a show whose large pictures are fitted (Qt's image plugins
// load without any display too); help and a wrong command are answered before
// any display is touched (there is none).
TEST(CompileCommandProcess, CompilesFitsAndAnswersWithoutADisplay) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QDir(dir.path()).mkdir("out");
    ASSERT_TRUE(Halves(3000, 1000, Qt::red, Qt::blue).save(dir.filePath("wide.jpg")));
    // Stored lying on its side, shown turned by a quarter: the stored left
    // half becomes the shown top.
    QImageWriter turned(dir.filePath("turned.jpg"));
    turned.setTransformation(QImageIOHandler::TransformationRotate90);
    ASSERT_TRUE(turned.write(Halves(2400, 1600, Qt::green, Qt::black)));
    ASSERT_TRUE(Halves(2000, 2000, Qt::red, Qt::blue).save(dir.filePath("square.bmp")));
    ASSERT_TRUE(Halves(800, 600, Qt::red, Qt::blue).save(dir.filePath("small.jpg")));
    Write(dir.filePath("broken.jpg"), "not a picture");
    Write(dir.filePath("show.json"),
          R"({"slides": [{"PicturePath": "wide.jpg"}, {"PicturePath": "turned.jpg"},
                   {"PicturePath": "square.bmp"}, {"PicturePath": "small.jpg"},
                   {"PicturePath": "broken.jpg"}],
                   "settings": {"FitPictures": true, "FitWidth": 1920, "FitHeight": 1080},
                   "compile": {"FirstPageName": "Trip Page", "Directory": "out"}})");

    const ProgramRun r = RunProgram(dir, {"compile", "show.json"});
    // The file that is no picture is left out: the run fails and says so.
    EXPECT_EQ(r.status, 1) << r.err.toStdString();
    EXPECT_EQ(r.out, dir.filePath("out/trip page/trip page.htm") + "\n");
    const QString pix = dir.filePath("out/trip page/pix/");
    EXPECT_TRUE(QFile::exists(pix + "thumbpic.htm"));
    // The program folder's files are all there to copy: the one error is the
    // file left out.
    EXPECT_EQ(r.err.count("error:"), 1) << r.err.toStdString();
    QImageReader wide(pix + "pic1.jpg");
    EXPECT_EQ(wide.format(), "jpeg");
    const QImage w = wide.read();
    EXPECT_EQ(w.size(), QSize(1920, 640));
    EXPECT_TRUE(Near(w.pixelColor(10, 320), Qt::red) && Near(w.pixelColor(1910, 320), Qt::blue));
    // Upright pixels: no EXIF turn left to apply.
    QImageReader upright(pix + "pic2.jpg");
    upright.setAutoTransform(false);
    const QImage u = upright.read();
    EXPECT_EQ(u.size(), QSize(720, 1080));
    EXPECT_TRUE(Near(u.pixelColor(360, 10), Qt::green) && Near(u.pixelColor(360, 1070), Qt::black));
    QImageReader square(pix + "pic3.bmp");
    EXPECT_EQ(square.format(), "bmp");
    EXPECT_EQ(square.size(), QSize(1080, 1080));
    EXPECT_EQ(Bytes(pix + "pic4.jpg"), Bytes(dir.filePath("small.jpg")));
    EXPECT_FALSE(QFile::exists(pix + "pic5.jpg"));
    EXPECT_TRUE(r.err.contains("[Pictures for the web]")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("error: cannot read " + dir.filePath("broken.jpg")));

    // Without the sizes setting nothing more is written.
    EXPECT_FALSE(QDir(pix + "thumbs").exists());
    EXPECT_FALSE(QDir(pix + "phone").exists());

    for (const QStringList& help : {QStringList{"--help"}, QStringList{"compile", "--help"}}) {
        const ProgramRun answer = RunProgram(dir, help);
        EXPECT_EQ(answer.status, 0);
        EXPECT_TRUE(answer.out.contains("pevrano-slideshow compile SHOW.json"));
        EXPECT_TRUE(answer.err.isEmpty());
    }
    const ProgramRun wrong = RunProgram(dir, {"complie", "show.json"});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_EQ(wrong.err,
              "usage: pevrano-slideshow [SHOW.json | compile SHOW.json | --help | --version]\n");
}

// A show asking for the smaller sizes: every slide gets a JPEG thumbnail,
// those larger than a phone a phone size, GIF and BMP slides included; the
// full copies stay as they are and the catalog and strip show the thumbnails.
TEST(CompileCommandProcess, WritesThumbnailsAndPhoneSizes) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QDir(dir.path()).mkdir("out");
    ASSERT_TRUE(Halves(3000, 2000, Qt::red, Qt::blue).save(dir.filePath("wide.jpg")));
    ASSERT_TRUE(Halves(300, 100, Qt::red, Qt::blue).save(dir.filePath("small.png")));
    ASSERT_TRUE(Halves(2000, 1500, Qt::red, Qt::blue).save(dir.filePath("square.bmp")));
    Write(dir.filePath("anim.gif"), EncodeGif(ToIndexed(Halves(1600, 400, Qt::red, Qt::blue))));
    Write(dir.filePath("show.json"),
          R"({"slides": [{"PicturePath": "wide.jpg"}, {"PicturePath": "small.png"},
                   {"PicturePath": "square.bmp"}, {"PicturePath": "anim.gif"}],
                   "settings": {"PictureSizes": true},
                   "compile": {"FirstPageName": "sizes", "Directory": "out"}})");
    const ProgramRun r = RunProgram(dir, {"compile", "show.json"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QString pix = dir.filePath("out/sizes/pix/");
    EXPECT_EQ(Bytes(pix + "pic1.jpg"), Bytes(dir.filePath("wide.jpg")));
    EXPECT_EQ(Bytes(pix + "pic4.gif"), Bytes(dir.filePath("anim.gif")));
    const std::vector<std::pair<QString, QSize>> expected = {
        {"thumbs/pic1.jpg", {240, 160}}, {"thumbs/pic2.jpg", {240, 80}},
        {"thumbs/pic3.jpg", {240, 180}}, {"thumbs/pic4.jpg", {240, 60}},
        {"phone/pic1.jpg", {1280, 853}}, {"phone/pic3.jpg", {1280, 960}},
        {"phone/pic4.jpg", {1280, 320}}};
    for (const auto& [name, size] : expected) {
        QImageReader reader(pix + name);
        EXPECT_EQ(reader.format(), "jpeg") << name.toStdString();
        EXPECT_EQ(reader.size(), size) << name.toStdString();
    }
    EXPECT_FALSE(QFile::exists(pix + "phone/pic2.jpg"));
    const QByteArray catalog = Bytes(pix + "catalog.htm");
    EXPECT_TRUE(catalog.contains("newWindow('pic3.bmp')\"><IMG SRC=\"thumbs/pic3.jpg\""));
    EXPECT_TRUE(Bytes(pix + "thumbpic.htm").contains("<IMG SRC=\"thumbs/pic4.jpg\""));
}
