// Clips in the compile: each slide whose source is a clip gets vid<k>.mp4
// (remuxed or encoded), its poster and the poster's sizes as a picture's,
// and the player's two clip fields; damaged clips are left out and named;
// the cache spares a second encode; Cancel leaves no half-written clip.
#include "ClipTestFiles.h"
#include "CoreApplication.h"
#include "ScriptedCompileHost.h"
#include "SourceShow.h"
#include "TestFiles.h"
#include "compiler/CompileCommand.h"
#include "compiler/OutputFolder.h"
#include "compiler/SizeCache.h"
#include "platform/LocalFileSystem.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The MD5 of the video packets of a clip: equal when the stream was copied.
QByteArray VideoPacketsMd5(const QString& path) {
    return RunTool(TestClipTools().ffmpeg,
                   {"-v", "error", "-i", path, "-map", "0:v", "-c", "copy", "-f", "md5", "-"},
                   60000)
        .out.trimmed();
}

bool HasRotation(const QJsonObject& video) {
    for (const auto& side : video.value("side_data_list").toArray())
        if (side.toObject().value("side_data_type").toString() == "Display Matrix")
            return side.toObject().value("rotation").toInt() != 0;
    return false;
}

QStringList FilesUnder(const QString& folder, const QString& pattern) {
    QStringList found;
    for (QDirIterator it(folder, {pattern}, QDir::Files | QDir::Hidden,
                         QDirIterator::Subdirectories);
         it.hasNext();)
        found << it.next();
    return found;
}

// Shows compiled by the command line from clips and pictures in src/, with
// the tools on PATH, counted, or none at all.
class ClipCompile : public ::testing::Test {
protected:
    void SetUp() override {
        NeedCoreApplication();
        ASSERT_TRUE(dir.isValid());
        qputenv("XDG_CACHE_HOME", QFile::encodeName(dir.filePath("cache")));
        WriteProgramFolder(dir.filePath("program"));
        for (const char* d : {"out", "src", "bin"})
            QDir(dir.path()).mkdir(d);
        for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
            WriteFile(dir.filePath("src/") + name, TinyPicture(".jpg", name));
    }
    void TearDown() override {
        qputenv("PATH", path);
        qputenv("XDG_CACHE_HOME", cacheHome);
    }
    // A test clip copied into src/.
    QString clip(const QString& name) {
        QFile::copy(TestClip(name), dir.filePath("src/" + name));
        return name;
    }
    // PATH holds only ffmpeg and ffprobe, each logging its arguments.
    void countToolRuns() {
        const auto tools = TestClipTools();
        for (const QString& tool : {tools.ffmpeg, tools.ffprobe}) {
            const QString wrapper = dir.filePath("bin/" + QFileInfo(tool).fileName());
            WriteFile(wrapper,
                      QStringLiteral("#!/bin/sh\necho \"$0 $*\" >> '%1'\nexec '%2' \"$@\"\n")
                          .arg(dir.filePath("runs.log"), tool)
                          .toUtf8());
            QFile::setPermissions(wrapper, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", QFile::encodeName(dir.filePath("bin")) + ":/usr/bin:/bin");
    }
    // Transcodes run (ffmpeg with -progress) and probes run so far.
    int encodes() const { return ReadFile(dir.filePath("runs.log")).count("-progress"); }
    int probes() const { return ReadFile(dir.filePath("runs.log")).count("ffprobe -v"); }

    int compile(const QStringList& slides, const QString& folder, QJsonObject settings = {}) {
        return CompileSourceShow(dir.path(), slides, folder, settings, outText, errText);
    }
    QString pix(const QString& folder) const { return dir.filePath("out/" + folder + "/pix/"); }
    // The player's slide entries.
    QJsonArray slideEntries(const QString& folder) const {
        const QString script = QString::fromUtf8(ReadFile(pix(folder) + "player.js"));
        const qsizetype from = script.indexOf('{'), to = script.indexOf("]};");
        return QJsonDocument::fromJson(script.mid(from, to + 2 - from).toUtf8())
            .object()
            .value("slides")
            .toArray();
    }

    QTemporaryDir dir;
    const QByteArray path = qgetenv("PATH"), cacheHome = qgetenv("XDG_CACHE_HOME");
    QString outText, errText;
};
} // namespace

// Each kind of clip through the command line: a web-ready H.264 with AAC
// is remuxed (the same video packets, its index first), others are encoded
// upright to H.264 yuv420p at their displayed size with sound only when they
// had it; each gets an upright poster with its sizes, named by every page,
// and the player's clip fields.
TEST_F(ClipCompile, EachKindOfClip) {
    struct Case {
        const char* clip;
        bool remux;
        QSize size;
        bool sound;
    };
    const Case cases[] = {{"h264-aac.mp4", true, {320, 240}, true},
                          {"hevc-turned.mov", false, {240, 320}, true},
                          {"vp9.webm", false, {320, 240}, false}};
    QStringList slides;
    for (const Case& c : cases)
        slides << clip(c.clip);
    ASSERT_EQ(compile(slides << "a.jpg", "show"), 0) << errText.toStdString();
    const QJsonArray entries = slideEntries("show");
    ASSERT_EQ(entries.size(), 4);
    for (int k = 1; k <= 3; ++k) {
        const Case& c = cases[k - 1];
        SCOPED_TRACE(c.clip);
        const QString vid = pix("show") + QStringLiteral("vid%1.mp4").arg(k);
        const QJsonObject probe = Probe(vid);
        const QJsonObject video = StreamOf(probe, "video");
        EXPECT_EQ(video.value("codec_name").toString(), "h264");
        EXPECT_EQ(video.value("pix_fmt").toString(), "yuv420p");
        EXPECT_EQ(StreamOf(probe, "audio").isEmpty(), !c.sound);
        const QStringList boxes = TopLevelBoxes(vid);
        EXPECT_LT(boxes.indexOf("moov"), boxes.indexOf("mdat")) << "faststart";
        EXPECT_GE(boxes.indexOf("moov"), 0);
        if (c.remux) {
            EXPECT_EQ(VideoPacketsMd5(vid), VideoPacketsMd5(TestClip(c.clip))) << "no encode";
        } else {
            EXPECT_EQ(QSize(video.value("width").toInt(), video.value("height").toInt()), c.size);
            EXPECT_FALSE(HasRotation(video));
        }
        // The poster and its thumbnail, upright at the displayed size.
        const QString poster = pix("show") + QStringLiteral("pic%1.jpg").arg(k);
        const QJsonObject still = StreamOf(Probe(poster), "video");
        EXPECT_EQ(still.value("codec_name").toString(), "mjpeg");
        EXPECT_EQ(QSize(still.value("width").toInt(), still.value("height").toInt()), c.size);
        const QSize thumb = c.size.scaled(240, 180, Qt::KeepAspectRatio);
        EXPECT_TRUE(QFile::exists(pix("show") + QStringLiteral("thumbs/pic%1.jpg").arg(k)));
        if (QString(c.clip) == "hevc-turned.mov") {
            for (const auto& [file, size] :
                 {std::pair{vid, c.size},
                  {poster, c.size},
                  {pix("show") + QStringLiteral("thumbs/pic%1.jpg").arg(k), thumb}}) {
                const auto [top, bottom] =
                    TopAndBottomBrightness(file, size.width(), size.height());
                EXPECT_GT(top, 200) << file.toStdString();
                EXPECT_LT(bottom, 50) << file.toStdString();
            }
        }
        const QJsonArray e = entries[k - 1].toArray();
        ASSERT_EQ(e.size(), 12);
        EXPECT_EQ(e[0].toString(), QStringLiteral("pic%1.jpg").arg(k));
        EXPECT_EQ(QSize(e[1].toInt(), e[2].toInt()), c.size);
        EXPECT_EQ(e[8].toInt(), thumb.width());
        EXPECT_EQ(e[10].toString(), QStringLiteral("vid%1.mp4").arg(k));
        EXPECT_EQ(e[11].toInt(), c.sound ? 1 : 0);
    }
    const QJsonArray picture = entries[3].toArray();
    EXPECT_EQ(picture[10].toString(), "");
    EXPECT_EQ(picture[11].toInt(), 0);
    // The classic pages show the poster as a picture, its thumbnail in the
    // catalog.
    EXPECT_TRUE(ReadFile(pix("show") + "catalog.htm").contains("thumbs/pic2.jpg"));
    EXPECT_TRUE(ReadFile(pix("show") + "appletss.htm").contains("pic2.jpg"));
    EXPECT_TRUE(ReadFile(pix("show") + "allcode.js").contains("pic3.jpg"));
}

// A clip without frames and one cut off are left out and named, as a
// damaged picture is, and the command line says so with status 1.
TEST_F(ClipCompile, DamagedClipsAreLeftOutAndNamed) {
    ASSERT_TRUE(
        RunFfmpeg({"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=1,trim=end_frame=0",
                   "-c:v", "libx264", "-pix_fmt", "yuv420p", "-movflags",
                   "frag_keyframe+empty_moov", dir.filePath("src/zero.mp4")}));
    const QByteArray whole = ReadFile(TestClip("h264-aac.mp4"));
    WriteFile(dir.filePath("src/cut.mp4"), whole.left(whole.size() / 2));
    EXPECT_EQ(compile({"a.jpg", "zero.mp4", "b.jpg", "cut.mp4", "c.jpg"}, "show"), 1);
    for (const QString& name : {"zero.mp4", "cut.mp4"})
        EXPECT_TRUE(errText.contains("error: cannot read " + dir.filePath("src/" + name) +
                                     "; it is not in the show"))
            << errText.toStdString();
    EXPECT_TRUE(errText.contains("This clip has no frames."));
    EXPECT_TRUE(errText.contains("This clip is cut off or damaged."));
    EXPECT_EQ(QDir(pix("show")).entryList({"vid*", "pic*"}, QDir::Files),
              QStringList({"pic1.jpg", "pic3.jpg", "pic5.jpg"}));
    const QJsonArray entries = slideEntries("show");
    for (int i : {1, 3}) {
        EXPECT_EQ(entries[i].toArray()[0].toString(), "");
        EXPECT_EQ(entries[i].toArray()[10].toString(), "");
    }
}

// Without ffmpeg the pictures are compiled and each clip is left out with
// the reason.
TEST_F(ClipCompile, WithoutTheToolsClipsAreLeftOut) {
    clip("h264-aac.mp4");
    qputenv("PATH", QFile::encodeName(dir.filePath("bin")));
    EXPECT_EQ(compile({"a.jpg", "h264-aac.mp4", "b.jpg"}, "show"), 1);
    EXPECT_TRUE(errText.contains(MissingClipToolsText())) << errText.toStdString();
    EXPECT_TRUE(errText.contains("error: cannot read " + dir.filePath("src/h264-aac.mp4")));
    EXPECT_TRUE(QFile::exists(pix("show") + "pic1.jpg"));
    EXPECT_TRUE(QFile::exists(pix("show") + "pic3.jpg"));
    EXPECT_FALSE(QFile::exists(pix("show") + "vid2.mp4"));
}

// With "Fit pictures for the web" the clip fits the show's box (encoded, as
// it no longer fits as it is); a second compile takes clip, poster and
// sizes from the cache without running ffmpeg or ffprobe, and a damaged
// cached clip is made again, never copied.
TEST_F(ClipCompile, FitBoxAndCache) {
    clip("h264-aac.mp4");
    countToolRuns();
    const QJsonObject fit{{"FitPictures", true}, {"FitWidth", 160}, {"FitHeight", 160}};
    ASSERT_EQ(compile({"h264-aac.mp4", "a.jpg", "b.jpg"}, "first", fit), 0)
        << errText.toStdString();
    const QJsonObject video = StreamOf(Probe(pix("first") + "vid1.mp4"), "video");
    EXPECT_EQ(QSize(video.value("width").toInt(), video.value("height").toInt()), QSize(160, 120));
    EXPECT_EQ(encodes(), 1);
    const int probesBefore = probes();

    ASSERT_EQ(compile({"h264-aac.mp4", "a.jpg", "b.jpg"}, "second", fit), 0);
    EXPECT_EQ(encodes(), 1) << "the second compile encodes nothing";
    EXPECT_EQ(probes(), probesBefore);
    for (const char* file : {"vid1.mp4", "pic1.jpg", "thumbs/pic1.jpg"})
        EXPECT_EQ(ReadFile(pix("second") + file), ReadFile(pix("first") + file)) << file;
    EXPECT_EQ(slideEntries("second"), slideEntries("first"));

    // The cached clip is linked into the shows, so its damage shows there.
    const QByteArray whole = ReadFile(pix("first") + "vid1.mp4");
    const QStringList cached = FilesUnder(dir.filePath("cache"), "*.file");
    ASSERT_EQ(cached.size(), 1);
    QFile damaged(cached[0]);
    ASSERT_TRUE(damaged.open(QIODevice::ReadWrite));
    damaged.resize(damaged.size() / 2);
    damaged.close();
    ASSERT_EQ(compile({"h264-aac.mp4", "a.jpg", "b.jpg"}, "third", fit), 0);
    EXPECT_EQ(encodes(), 2);
    EXPECT_EQ(ReadFile(pix("third") + "vid1.mp4"), whole);
}

// Cancel while a clip encodes stops the run at once: no clip under its
// final name, in the show folder or the cache, and no part left behind.
TEST_F(ClipCompile, CancelMidEncodeLeavesNoClip) {
    SlideShowProject p;
    p.settings = ShowSettings::FirstStart(dir.filePath("program"));
    p.Clear();
    p.AppendPicture(dir.filePath("src/a.jpg"));
    p.AppendPicture(dir.filePath("src/") + clip("long.mp4"));
    p.AppendPicture(dir.filePath("src/b.jpg"));
    ScriptedCompileHost host;
    host.folderNames.push_back("show");
    host.ui.queueFolder(dir.filePath("out"));
    host.cancelAfterClipReports = 3;
    LocalFileSystem fs;
    MoveFiles(p, host, fs, dir.filePath("program"));
    EXPECT_TRUE(p.flags.CompileCancelled);
    ASSERT_EQ(host.clipProgress.size(), 3u);
    EXPECT_EQ(host.clipProgress.back().first, host.progress.back()) << "the clip's own step";
    EXPECT_LT(host.clipProgress.back().second, 30);
    EXPECT_FALSE(QFile::exists(pix("show") + "vid2.mp4"));
    EXPECT_EQ(FilesUnder(dir.filePath("out"), "*.part"), QStringList());
    EXPECT_EQ(FilesUnder(dir.filePath("cache"), "*.part"), QStringList());
    EXPECT_EQ(FilesUnder(dir.filePath("cache"), "*.file"), QStringList());
    EXPECT_FALSE(QFile::exists(pix("show") + "pic3.jpg")) << "nothing after the cancel";
}

// File entries in the cache: a whole one is found, a damaged one removed;
// a trim takes a file entry and its small entry together, oldest first,
// and of the parts of encodes only those left for a day.
TEST(ClipCache, FileEntriesAreCheckedAndTrimmedWhole) {
    QTemporaryDir dir;
    WriteFile(dir.filePath("clip.mp4"), "a clip");
    SizeCache cache(dir.filePath("cache"), 1500);
    const auto put = [&](const QString& parameters) {
        const QString key = SizeCache::key(dir.filePath("clip.mp4"), parameters);
        WriteFile(cache.filePath(key), QByteArray(1000, 'v'));
        EXPECT_TRUE(cache.storeFile(key));
        return key;
    };
    const QString older = put("older");
    const QDateTime past = QDateTime::currentDateTimeUtc().addDays(-2);
    for (const QString& file : FilesUnder(dir.filePath("cache"), older + "*")) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.setFileTime(past, QFileDevice::FileModificationTime);
    }
    const QString newer = put("newer");
    const QString folder = QFileInfo(cache.filePath(newer)).path();
    WriteFile(folder + "/.running.part", "encoding");
    WriteFile(folder + "/.killed.part", "left");
    {
        QFile killed(folder + "/.killed.part");
        ASSERT_TRUE(killed.open(QIODevice::ReadWrite));
        killed.setFileTime(past, QFileDevice::FileModificationTime);
    }
    const auto found = cache.findFile(newer);
    ASSERT_TRUE(found);
    EXPECT_EQ(ReadFile(*found), QByteArray(1000, 'v'));

    cache.trim();
    EXPECT_FALSE(cache.findFile(older));
    EXPECT_TRUE(cache.findFile(newer));
    EXPECT_EQ(FilesUnder(dir.filePath("cache"), older + "*"), QStringList()) << "no half entry";
    EXPECT_TRUE(QFile::exists(folder + "/.running.part"));
    EXPECT_FALSE(QFile::exists(folder + "/.killed.part"));

    WriteFile(*found, QByteArray(1000, 'w'));
    EXPECT_FALSE(cache.findFile(newer)) << "a damaged entry is never used";
    EXPECT_EQ(FilesUnder(dir.filePath("cache"), newer + "*"), QStringList());
}
