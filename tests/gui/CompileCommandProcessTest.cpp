// The built executable's headless compile, run as a batch user runs it.
#include "core/PrintQt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
struct Result {
    int status = -1;
    QString out;
    QString err;
    QString lastErrorLine() const { return err.trimmed().split('\n').last(); }
};

class CompileCommandProcess : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        for (int k = 1; k <= 3; ++k) {
            QImage image(40, 30, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(k * 90, 200, 200));
            ASSERT_TRUE(image.save(dir.filePath(QStringLiteral("p%1.jpg").arg(k)), "JPG"));
        }
        QDir(dir.path()).mkdir("out");
    }

    void WriteShow(const QByteArray& json, const QString& name = "show.json") {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(json);
    }

    // Runs without any display: a window would fail to start.
    Result Run(const QStringList& args) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.insert("QT_QPA_PLATFORM", "xcb");
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(dir.path());
        process.start(QCoreApplication::applicationDirPath() + "/pevrano-slideshow", args);
        EXPECT_TRUE(process.waitForFinished(30000));
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    QTemporaryDir dir;
};

const QByteArray kThreeSlides = R"({
  "slides": [{"PicturePath": "p1.jpg", "Caption": "One"}, {"PicturePath": "p2.jpg", "Caption": ""},
             {"PicturePath": "p3.jpg", "Caption": "Three"}],
  "compile": {"FirstPageName": "Trip Page", "ShowFolderName": "Trip", "Directory": "out",
              "TitleMessage": "Our trip"}})";
} // namespace

TEST_F(CompileCommandProcess, HelpTexts) {
    const Result general = Run({"--help"});
    EXPECT_EQ(general.status, 0);
    EXPECT_TRUE(general.out.contains("pevrano-slideshow compile SHOW.json"));
    const Result compile = Run({"compile", "--help"});
    EXPECT_EQ(compile.status, 0);
    EXPECT_TRUE(compile.out.contains("Usage: pevrano-slideshow compile SHOW.json"));
    EXPECT_TRUE(compile.out.contains("Exit status:"));
    EXPECT_TRUE(compile.err.isEmpty());
}

TEST_F(CompileCommandProcess, CompilesWithFixedAnswersAndPrintsEveryBox) {
    WriteShow(kThreeSlides);
    const Result r = Run({"compile", "show.json"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    const QString page = dir.filePath("out/trip/trip page.htm");
    EXPECT_EQ(r.out, page + "\n");
    EXPECT_TRUE(QFile::exists(page));
    EXPECT_TRUE(QFile::exists(dir.filePath("out/trip/pix/pic3.jpg")));
    EXPECT_TRUE(QFile::exists(dir.filePath("out/trip/pix/thumbpic.htm")));
    EXPECT_TRUE(r.err.contains("[Compile your Slide Show Now?]\n"
                               "    Are you ready to compile your slide show now?\n"
                               "    -> Yes\n"));
    EXPECT_TRUE(r.err.contains("warning: [To Go Back Select 'No' Or 'Cancel']\n"
                               "    You have  No Captions for side(s)  2\n"));
    EXPECT_TRUE(r.err.contains("[Compiled Successfully]\n"
                               "    Your files were put in the your path \"" +
                               dir.filePath("out/trip/") + "\" successfully!\n"));
    EXPECT_TRUE(r.err.contains("[View your Slide Show now?]\n"
                               "    Would you like to see your Slide Show Now?\n"
                               "    -> No\n"));
    EXPECT_TRUE(r.err.contains("    -> Our trip\n"));
    EXPECT_TRUE(r.err.contains("Copying files: "));
    EXPECT_FALSE(r.err.contains("error:"));
}

TEST_F(CompileCommandProcess, FewerThanThreeSlides) {
    WriteShow(R"({"slides": [{"PicturePath": "p1.jpg"}, {"PicturePath": "p2.jpg"}]})");
    const Result r = Run({"compile", "show.json"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(
        r.err.startsWith("[Pevrano Slide Show]\n"
                         "    Sorry you need at least 3 pictures to make a slide show...\n"));
    EXPECT_EQ(r.lastErrorLine(), "error: a slide show needs at least 3 slides; show.json has 2");
    EXPECT_TRUE(r.out.isEmpty());
}

TEST_F(CompileCommandProcess, ExistingShowFolderIsNotAskedAgain) {
    QDir(dir.path()).mkpath("out/trip");
    WriteShow(kThreeSlides);
    const Result r = Run({"compile", "show.json"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.count("[Need a New File Path Name or Directory.]"), 1);
    EXPECT_EQ(r.lastErrorLine(), "error: the show folder " + dir.filePath("out/trip/") +
                                     " already exists; choose another ShowFolderName or Directory");
    EXPECT_TRUE(QDir(dir.filePath("out/trip")).isEmpty());
}

TEST_F(CompileCommandProcess, UnreadableOrBrokenShowFile) {
    const Result missing = Run({"compile", "nothing.json"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "error: " + dir.filePath("nothing.json") +
                               ": cannot read the show file: No such file or directory\n");

    WriteShow("{\n  \"slides\": [\n    {\"PicturePath\": 'p1.jpg'}\n  ]\n}\n", "broken.json");
    const Result broken = Run({"compile", "broken.json"});
    EXPECT_EQ(broken.status, 2);
    EXPECT_TRUE(broken.err.startsWith("error: " + dir.filePath("broken.json") + ":3:21: "))
        << broken.err.toStdString();
    EXPECT_EQ(broken.err.count('\n'), 1);
}

TEST_F(CompileCommandProcess, MissingPictureIsReportedAfterTheShowIsWritten) {
    WriteShow(R"({"slides": [{"PicturePath": "p1.jpg"}, {"PicturePath": "gone.jpg"},
                             {"PicturePath": "p3.jpg"}],
                  "compile": {"ShowFolderName": "Trip", "Directory": "out"}})");
    const Result r = Run({"compile", "show.json"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("[File Copy Error]\n    Error occurred!\n"));
    EXPECT_EQ(r.lastErrorLine(), "error: cannot copy " + dir.filePath("gone.jpg") + " to " +
                                     dir.filePath("out/trip/pix/pic2.jpg") +
                                     ": No such file or directory");
    EXPECT_TRUE(QFile::exists(dir.filePath("out/trip/pix/pic3.jpg")));
    EXPECT_TRUE(QFile::exists(dir.filePath("out/trip/pix/catalog.htm")));
    EXPECT_TRUE(r.out.endsWith(".htm\n"));
}
