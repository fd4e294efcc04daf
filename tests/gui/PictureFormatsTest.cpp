// PNG, WebP, TIFF and HEIC pictures: read through the picture engine, taken
// wherever a picture is, refused when damaged, and compiled (from the window and from the command
// line) into shows whose every page shows them: WebP, TIFF and HEIC as upright JPEG.
#include "MainWindowFixture.h"
#include "QuarterColors.h"
#include "TestPictures.h"
#include "compiler/ui/CompileFromWindow.h"
#include "compiler/ui/NamePrompt.h"
#include "core/PrintQt.h"
#include "editor/ui/PictureView.h"
#include "pictures/ui/ShownPictures.h"

#include <QApplication>
#include <QColorSpace>
#include <QImageReader>
#include <QImageWriter>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {

// A copy in the show as a reader without any EXIF turn sees it.
QImage Stored(const QString& path, QByteArray* format = nullptr) {
    QImageReader reader(path);
    reader.setAutoTransform(false);
    if (format)
        *format = reader.format();
    return reader.read();
}

// The pictures of one show of every format, and what its copies must be.
struct FormatShow {
    QStringList slides;
    QString animated;
    QString heicBackground;
    QString webpBackground;
    QString opening;
};

FormatShow MakeFormatShow(const QString& folder) {
    QDir().mkpath(folder);
    const auto at = [&](const char* name) { return QDir(folder).filePath(name); };
    FormatShow show;
    const QImage plain = Quarters({160, 120});
    EXPECT_TRUE(plain.save(at("one.bmp")));
    show.slides << at("one.bmp") << MakeGif(folder, "two.gif");
    EXPECT_TRUE(plain.save(at("three.jpg")));
    EXPECT_TRUE(Quarters({200, 150}, true).save(at("four.png")));
    // WebP with a transparent corner and a wide-gamut profile.
    QImage wide = Quarters({240, 160}, true);
    wide.setColorSpace(QColorSpace::DisplayP3);
    EXPECT_TRUE(wide.save(at("five.webp")));
    // TIFF stored lying on its side with its orientation tag.
    QImageWriter tiff(at("six.TIF"));
    tiff.setTransformation(QImageIOHandler::TransformationRotate90);
    EXPECT_TRUE(tiff.write(StoredFor(Quarters({120, 180}), 6)));
    // HEIC as phones store it: turned, with its rotation in the file.
    QImage phone = Quarters({256, 192});
    phone.setColorSpace(QColorSpace::DisplayP3);
    EXPECT_TRUE(WriteHeic(phone, at("seven.heic"), 60, 6));
    show.animated = at("eight.webp");
    QImage second(100, 80, QImage::Format_RGB32);
    second.fill(Qt::blue);
    EXPECT_TRUE(WriteAnimatedWebp({Quarters({100, 80}), second}, show.animated));
    show.slides << at("three.jpg") << at("four.png") << at("five.webp") << at("six.TIF")
                << at("seven.heic") << show.animated;
    show.heicBackground = at("back.HEIF");
    EXPECT_TRUE(WriteHeic(Quarters({64, 48}), show.heicBackground, 60, 3));
    show.webpBackground = at("back.webp");
    EXPECT_TRUE(Quarters({64, 48}).save(show.webpBackground));
    show.opening = at("Opening.tiff");
    EXPECT_TRUE(Quarters({90, 60}).save(show.opening));
    return show;
}

// The copies of one compiled show: names, formats, sizes, orientation,
// transparency and colour profiles.
void ExpectFormatCopies(const QString& pix) {
    QByteArray format;
    EXPECT_EQ(QuarterColors(Stored(pix + "pic1.bmp")), "red green blue yellow");
    EXPECT_TRUE(QFile::exists(pix + "pic2.gif"));
    EXPECT_TRUE(QFile::exists(pix + "pic3.jpg"));
    // PNG is shown by every browser: copied as it is, transparency and all.
    EXPECT_TRUE(Stored(pix + "pic4.png").hasAlphaChannel());

    // WebP, TIFF and HEIC (libvips 8.14 does not pass on the ICC profile
    // libheif's own encoder writes beside its nclx colour box, so that copy
    // is untagged; phones' HEIC with an ICC profile alone keep it) and the
    // animation's first frame become JPEG.
    const struct {
        const char* name;
        QSize size;
        const char* colors;
    } converted[] = {{"pic5.jpg", {240, 160}, "red green blue white"},
                     {"pic6.jpg", {120, 180}, "red green blue yellow"},
                     {"pic7.jpg", {256, 192}, "red green blue yellow"},
                     {"pic8.jpg", {100, 80}, "red green blue yellow"}};
    for (const auto& c : converted) {
        const QImage copy = Stored(pix + c.name, &format);
        EXPECT_EQ(format, "jpeg") << c.name;
        EXPECT_EQ(copy.size(), c.size) << c.name;
        EXPECT_EQ(QuarterColors(copy), c.colors) << c.name;
    }
    EXPECT_EQ(Stored(pix + "pic5.jpg").colorSpace(), QColorSpace(QColorSpace::DisplayP3));

    // The thumbnail comes from the same upright decode.
    const QImage thumb = Stored(pix + "thumbs/pic7.jpg");
    EXPECT_EQ(thumb.size(), QSize(240, 180));
    EXPECT_EQ(QuarterColors(thumb), "red green blue yellow");
    EXPECT_EQ(QuarterColors(Stored(pix + "thumbs/pic5.jpg")), "red green blue white");

    for (const char* source : {"pic5.webp", "pic6.tif", "pic7.heic", "pic8.webp"})
        EXPECT_FALSE(QFile::exists(pix + source)) << source;
    EXPECT_EQ(QuarterColors(Stored(pix + "opening.jpg")), "red green blue yellow");
}

// Every page of the shows opened in headless chromium: every picture they
// show or name loads. Gives each show's pictures with their loaded sizes.
std::vector<QJsonObject> PicturesInChromium(const QStringList& openingPages) {
    QProcess node;
    node.start(QStringLiteral("node"), QStringList{qEnvironmentVariable("PEVRANO_SOURCE_DIR") +
                                                   "/tests/e2e/show_pictures_browser.js"} +
                                           openingPages);
    EXPECT_TRUE(node.waitForFinished(120000));
    EXPECT_EQ(node.exitCode(), 0) << node.readAllStandardError().toStdString();
    std::vector<QJsonObject> shows;
    for (const QByteArray& line : node.readAllStandardOutput().split('\n'))
        if (!line.isEmpty())
            shows.push_back(QJsonDocument::fromJson(line).object());
    return shows;
}

QSize Loaded(const QJsonObject& pictures, const QString& name) {
    const QJsonArray size = pictures.value(name).toArray();
    return {size.at(0).toInt(), size.at(1).toInt()};
}

using PictureFormatsTest = MainWindowTest;
} // namespace

// Every way in takes the newer formats (in any case of the extension; the
// dialogs' filters are in the slide editing tests); a damaged picture of
// each is refused with the messages of the older formats.
TEST_F(PictureFormatsTest, NewerFormatsAreTakenAndDamagedOnesRefused) {
    const bool heic = CanWriteHeic();
    const QString pics = dir.filePath("new");
    QDir().mkpath(pics);
    QStringList good;
    QStringList damaged;
    QStringList names{"a.png", "b.WEBP", "c.tif", "d.tiff"};
    if (heic)
        names << "e.HEIC"
              << "f.heif";
    for (const QString& name : names) {
        good << QDir(pics).filePath(name);
        ASSERT_TRUE(SavePicture(Quarters({64, 48}), good.back()));
        damaged << QDir(pics).filePath("damaged-" + name);
        ASSERT_TRUE(WriteDamagedPicture(damaged.back()));
    }
    QStringList picked;
    for (int i = 0; i < good.size(); ++i)
        picked << damaged[i] << good[i];
    AddThroughDialog(picked);

    ASSERT_EQ(project().SlideCount(), good.size());
    for (int k = 1; k <= good.size(); ++k)
        EXPECT_EQ(project().slide(k).PicturePath, good[k - 1]);
    EXPECT_EQ(form->ui.Image1->path(), good.back());
    const auto messages = ui.messages();
    ASSERT_EQ(messages.size(), size_t(damaged.size()));
    for (int i = 0; i < damaged.size(); ++i) {
        EXPECT_EQ(messages[i].text, "There was a problem with picture file " + damaged[i] +
                                        " this file will not be used.");
        EXPECT_EQ(messages[i].title, "File Error");
        EXPECT_EQ(messages[i].icon, MsgIcon::Critical);
    }

    // The single-file dialog: Change Picture, a slide background and the
    // opening page's picture take them too, and refuse the damaged ones.
    project().setCurrentSlide(1);
    ui.queueFiles({damaged.last()});
    form->ui.cmdChangePic->click();
    EXPECT_EQ(ui.messages().back().text, "There was a problem with this file, please try again.");
    EXPECT_EQ(project().slide(1).PicturePath, good[0]);
    ui.queueFiles({good.last()});
    form->ui.cmdChangePic->click();
    EXPECT_EQ(project().slide(1).PicturePath, good.last());
    EXPECT_EQ(form->ui.Image1->path(), good.last());

    ui.queueFiles({good[1]});
    form->ui.cmdPicBakColorOrPic[1]->click();
    EXPECT_EQ(project().settings.NewBkPicture, good[1]);
    EXPECT_EQ(form->ui.ImageBk->path(), good[1]);

    const auto before = ui.messages().size();
    project().flags.OpenPgBkPicChanged = true;
    form->editing().PickOutFileNameFromPath(damaged[2]);
    EXPECT_EQ(ui.messages().size(), before + 1);
    EXPECT_NE(project().settings.OpenPgBkPic, damaged[2]);
    project().flags.OpenPgBkPicChanged = true;
    form->editing().PickOutFileNameFromPath(good[2]);
    EXPECT_EQ(project().settings.OpenPgBkPic, good[2]);
}

// One show of every format compiled from the window (a background picture
// per slide) and from the built program's command line (one background for
// all), both with thumbnails: WebP, TIFF and HEIC become upright JPEGs, the
// rest are copied, and chromium shows every picture of every page at its
// size.
TEST_F(PictureFormatsTest, EveryFormatCompilesToPicturesEveryPageShows) {
    if (!CanWriteHeic())
        GTEST_SKIP() << "this libheif has no HEVC encoder to make test pictures with";
    const FormatShow show = MakeFormatShow(dir.filePath("pictures"));
    for (const QString& picture : show.slides)
        project().AppendPicture(picture);
    ShowSettings& s = project().settings;
    s.UseColTrueUsePicFalse = false;
    s.optIntBkImgOptionForm = 1;
    s.OpenPgBkPic = show.opening;
    project().slide(1).BkPicture = show.heicBackground;
    project().slide(2).BkPicture = show.webpBackground;
    QDir(folder()).mkpath("win");

    ui.queueMessageAnswer(MsgResult::Yes); // compile now
    ui.queueMessageAnswer(MsgResult::Yes); // go on without captions
    ui.queueFolder(dir.filePath("win"));
    ui.queueInput(QStringLiteral("Formats"));
    ui.queueMessageAnswer(MsgResult::No); // view now
    QTimer typist;
    QObject::connect(&typist, &QTimer::timeout, [&] {
        if (auto* w = qobject_cast<NamePrompt*>(QApplication::activeModalWidget())) {
            Control<QLineEdit>(*w, "txtFileName")->setText("formats");
            Control<QPushButton>(*w, "cmdOk")->click();
        }
    });
    typist.start(5);
    QProgressBar bar(form.get());
    ASSERT_EQ(CompileFromWindow(project(), form.get(), ui, &bar, [] {}).outcome,
              CompileOutcome::Compiled);
    typist.stop();
    const QString winPix = dir.filePath("win/formats/pix/");
    ExpectFormatCopies(winPix);
    EXPECT_EQ(QuarterColors(Stored(winPix + "bkimg1.jpg")), "red green blue yellow");
    EXPECT_EQ(QuarterColors(Stored(winPix + "bkimg2.jpg")), "red green blue yellow");
    bool told = false;
    for (const MessageBoxRequest& m : ui.messages()) {
        EXPECT_NE(m.title, "File Copy Error");
        if (m.title == "Pictures for the web") {
            told = true;
            EXPECT_EQ(m.text, "These pictures hold an animation or several pages; the show has "
                              "the first picture of each:\r\n" +
                                  show.animated);
        }
    }
    EXPECT_TRUE(told);

    // The command line, with one background picture for all slides.
    QJsonArray slides;
    for (const QString& picture : show.slides)
        slides.append(QJsonObject{{"PicturePath", picture}, {"Caption", "c"}});
    const QJsonObject file{
        {"slides", slides},
        {"settings", QJsonObject{{"UseColTrueUsePicFalse", false},
                                 {"PictureSizes", true},
                                 {"optIntBkImgOptionForm", 0},
                                 {"NewBkPicture", show.heicBackground},
                                 {"OpenPgBkPic", show.opening}}},
        {"compile", QJsonObject{{"FirstPageName", "formats"}, {"Directory", "cli"}}}};
    QDir(folder()).mkpath("cli");
    QFile json(dir.filePath("show.json"));
    ASSERT_TRUE(json.open(QIODevice::WriteOnly));
    json.write(QJsonDocument(file).toJson());
    json.close();
    const ProgramRun run = RunProgram(dir, {"compile", "show.json"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("[Pictures for the web]")) << run.err.toStdString();
    const QString cliPix = dir.filePath("cli/formats/pix/");
    ExpectFormatCopies(cliPix);
    EXPECT_EQ(QuarterColors(Stored(cliPix + "bgimg.jpg")), "red green blue yellow");
    EXPECT_EQ(Stored(cliPix + "bgimg.jpg").size(), QSize(64, 48));

    const auto loaded = PicturesInChromium(
        {dir.filePath("win/formats/formats.htm"), dir.filePath("cli/formats/formats.htm")});
    ASSERT_EQ(loaded.size(), 2u);
    for (const QJsonObject& pictures : loaded) {
        EXPECT_EQ(Loaded(pictures, "pic4.png"), QSize(200, 150));
        EXPECT_EQ(Loaded(pictures, "pic5.jpg"), QSize(240, 160));
        EXPECT_EQ(Loaded(pictures, "pic6.jpg"), QSize(120, 180));
        EXPECT_EQ(Loaded(pictures, "pic7.jpg"), QSize(256, 192));
        EXPECT_EQ(Loaded(pictures, "pic8.jpg"), QSize(100, 80));
    }
    EXPECT_EQ(Loaded(loaded[0], "bkimg1.jpg"), QSize(64, 48));
    EXPECT_EQ(Loaded(loaded[1], "bgimg.jpg"), QSize(64, 48));
}

// A damaged WebP or HEIC in a show is named and left out, never copied under
// a name the pages would show; the command line's status says so.
TEST(PictureFormatsProcess, DamagedPicturesAreLeftOutOfTheShow) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("out");
    ASSERT_TRUE(Quarters({64, 48}).save(dir.filePath("a.jpg")));
    ASSERT_TRUE(WriteDamagedPicture(dir.filePath("b.webp")));
    ASSERT_TRUE(WriteDamagedPicture(dir.filePath("c.tif")));
    ASSERT_TRUE(Quarters({64, 48}).save(dir.filePath("d.png")));
    QFile json(dir.filePath("show.json"));
    ASSERT_TRUE(json.open(QIODevice::WriteOnly));
    json.write(R"({"slides": [{"PicturePath": "a.jpg"}, {"PicturePath": "b.webp"},
                  {"PicturePath": "c.tif"}, {"PicturePath": "d.png"}],
                  "compile": {"FirstPageName": "damaged", "Directory": "out"}})");
    json.close();
    const ProgramRun run = RunProgram(dir, {"compile", "show.json"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("[Pictures for the web]")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("These pictures could not be read, so they are not in the show:"));
    EXPECT_TRUE(run.err.contains("error: cannot read " + dir.filePath("c.tif") +
                                 "; it is not in the show"));
    const QString pix = dir.filePath("out/damaged/pix/");
    EXPECT_TRUE(QFile::exists(pix + "pic1.jpg"));
    EXPECT_FALSE(QFile::exists(pix + "pic2.jpg"));
    EXPECT_FALSE(QFile::exists(pix + "pic3.jpg"));
    EXPECT_TRUE(QFile::exists(pix + "pic4.png"));
}
