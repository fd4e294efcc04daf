// The built executable's headless compile, run as a batch user runs it:
// without any display, the opening page on standard output, and the status.
#include "core/PrintQt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
struct Result {
    int status = -1;
    QString out;
    QString err;
};

// Runs without any display: a window would fail to start.
Result RunProgram(const QTemporaryDir& dir, const QStringList& args) {
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
} // namespace

TEST(CompileCommandProcess, CompilesWithoutADisplayAndSaysHow) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QDir(dir.path()).mkdir("out");
    for (const char* name : {"p1.jpg", "p2.jpg", "p3.jpg", "show.json"}) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(f.fileName().endsWith("jpg")
                    ? QByteArray("picture")
                    : R"({"slides": [{"PicturePath": "p1.jpg"}, {"PicturePath": "p2.jpg"},
                               {"PicturePath": "p3.jpg"}],
                    "compile": {"FirstPageName": "Trip Page", "Directory": "out"}})");
    }
    const Result r = RunProgram(dir, {"compile", "show.json"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, dir.filePath("out/trip page/trip page.htm") + "\n");
    EXPECT_TRUE(QFile::exists(dir.filePath("out/trip page/pix/thumbpic.htm")));
    // The program folder's files are all there to copy.
    EXPECT_FALSE(r.err.contains("error:")) << r.err.toStdString();

    EXPECT_EQ(RunProgram(dir, {"compile", "nothing.json"}).status, 2);
    const Result help = RunProgram(dir, {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains("pevrano-slideshow compile SHOW.json"));
    const Result compileHelp = RunProgram(dir, {"compile", "--help"});
    EXPECT_EQ(compileHelp.status, 0);
    EXPECT_TRUE(compileHelp.out.contains("Exit status:"));
    EXPECT_TRUE(compileHelp.err.isEmpty());
}

// Unknown commands are refused before any display is touched (there is none).
TEST(CompileCommandProcess, UnknownCommandGetsOneUsageLine) {
    QTemporaryDir dir;
    const Result wrong = RunProgram(dir, {"complie", "show.json"});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_EQ(wrong.err, "usage: pevrano-slideshow [compile SHOW.json | --help | --version]\n");
    EXPECT_TRUE(RunProgram(dir, {"--version"}).out.startsWith("pevrano-slideshow "));
}
