// The headless command run in this process: every way a run stops ends in
// its exit status and one last line saying why.
#include "compiler/CompileCommand.h"
#include "FaultyFileSystem.h"
#include "TestFiles.h"
#include "platform/ConsolePrompter.h"
#include "platform/LocalFileSystem.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
const QDateTime kNow(QDate(2024, 3, 5), QTime(10, 0));

// A show of the three pictures the fixture writes, with these compile keys.
QByteArray ThreeSlides(const QByteArray& compile) {
    return R"({"slides": [{"PicturePath": "a.jpg"}, {"PicturePath": "b.jpg"},
                          {"PicturePath": "c.jpg"}], "compile": {)" +
           compile + "}}";
}
const QByteArray kThreeSlides = ThreeSlides(R"("FirstPageName": "Trip", "Directory": "out")");

class Command : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QDir(dir.path()).mkdir("out");
        WriteProgramFolder(dir.filePath("program"));
        for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
            Write(name, TinyPicture(".jpg"));
    }
    void Write(const QString& name, const QByteArray& bytes) {
        WriteFile(dir.filePath(name), bytes);
    }
    CommandContext Context(FileSystem& fs, QTextStream& standardOutput) {
        return {fs, dir.filePath("program"), dir.path(), dir.path(), kNow, standardOutput, err};
    }
    int Run(FileSystem& fs, const QString& show = "show.json") {
        outText.clear();
        errText.clear();
        CommandContext c = Context(fs, out);
        return RunCommandLine({"pevrano-slideshow", "compile", show}, c);
    }
    int Run(const QByteArray& json, FaultyFileSystem::Fault fault = nullptr) {
        Write("show.json", json);
        FaultyFileSystem fs(local, std::move(fault));
        return Run(fs);
    }
    QString LastLine() const { return errText.trimmed().split('\n').last(); }

    QTemporaryDir dir;
    QString outText, errText;
    QTextStream out{&outText}, err{&errText};
    LocalFileSystem local;
};

using Fs = FaultyFileSystem;
} // namespace

TEST_F(Command, RunsThatStopGiveStatusOneAndTheReason) {
    EXPECT_EQ(Run(R"({"slides": [{"PicturePath": "a.jpg"}, {"PicturePath": "b.jpg"}]})"), 1);
    EXPECT_EQ(LastLine(), "error: a slide show needs at least 3 slides; show.json has 2");

    const FsResult denied{FsError::AccessDenied, "Permission denied", 13};
    EXPECT_EQ(Run(kThreeSlides, Fs::Failing("create", "/trip/", denied)), 1);
    EXPECT_EQ(errText.count("[File Error!]"), 1); // not asked again
    EXPECT_EQ(LastLine(), "error: cannot create the show folder " + dir.filePath("out/trip/") +
                              ": Permission denied");

    const FsResult full{FsError::Other, "No space left on device", 28};
    EXPECT_EQ(Run(kThreeSlides, Fs::Failing("write", "netscape.htm", full)), 1);
    EXPECT_EQ(LastLine(), "error: cannot write " + dir.filePath("out/trip/pix/netscape.htm") +
                              ": No space left on device");

    // The run that failed its write left the folder for the next run to find.
    ASSERT_TRUE(QDir(dir.filePath("out/trip")).exists());
    EXPECT_EQ(Run(kThreeSlides), 1);
    EXPECT_EQ(errText.count("[Need a New File Path Name or Directory.]"), 1);
    EXPECT_EQ(LastLine(), "error: the show folder " + dir.filePath("out/trip/") +
                              " already exists; choose another ShowFolderName or Directory");
    EXPECT_TRUE(outText.isEmpty());
}

TEST_F(Command, RefusedDriveEndsTheRunWithOneLine) {
    Write("show.json", kThreeSlides);
    FaultyFileSystem cd(local);
    cd.drives[dir.filePath("out")] = DriveType::CdRom;
    EXPECT_EQ(Run(cd), 1);
    EXPECT_EQ(LastLine(), "error: the directory " + dir.filePath("out") +
                              " can not hold the show: You Can Not Select a CD Rom Drive!");
    EXPECT_TRUE(QDir(dir.filePath("out")).isEmpty());
}

TEST_F(Command, BadShowFilesAndCommandLinesGiveStatusTwo) {
    EXPECT_EQ(Run(local, "nothing.json"), 2);
    EXPECT_EQ(errText, "error: " + dir.filePath("nothing.json") +
                           ": cannot read the show file: No such file or directory\n");
    EXPECT_EQ(Run("{\n  \"slides\": [\n    {\"PicturePath\": 'a.jpg'}\n  ]\n}\n"), 2);
    EXPECT_TRUE(errText.startsWith("error: " + dir.filePath("show.json") + ":3:21: "));
    EXPECT_EQ(errText.count('\n'), 1);

    CommandContext c = Context(local, out);
    EXPECT_EQ(RunCommandLine({"pevrano-slideshow", "compile"}, c), 2);
    EXPECT_EQ(LastLine(), "error: compile takes one show file; see \"pevrano-slideshow "
                          "compile --help\"");
    EXPECT_EQ(RunCommandLine({"pevrano-slideshow", "compile", "a.json", "b.json"}, c), 2);
    EXPECT_TRUE(IsCommandLine({"pevrano-slideshow", "compile"}));
    EXPECT_TRUE(IsCommandLine({"pevrano-slideshow", "--help"}));
    EXPECT_FALSE(IsCommandLine({"pevrano-slideshow"}));
    EXPECT_FALSE(IsCommandLine({"pevrano-slideshow", "-reverse", "-platform=offscreen"}));
    // A show file opens in the window, which reports one that has gone.
    const QString show = dir.filePath("show.json");
    ASSERT_TRUE(QFile(show).open(QIODevice::WriteOnly));
    EXPECT_FALSE(IsCommandLine({"pevrano-slideshow", show, "-style", "fusion"}));
    EXPECT_TRUE(IsCommandLine({"pevrano-slideshow", show, show}));
    EXPECT_FALSE(IsCommandLine({"pevrano-slideshow", dir.filePath("gone.JSON")}));
    EXPECT_TRUE(IsCommandLine({"pevrano-slideshow", dir.filePath("gone")}));
    // Anything else never reaches the window.
    errText.clear();
    for (const char* wrong : {"complie", "-x", "--verison", "-style"}) {
        EXPECT_TRUE(IsCommandLine({"pevrano-slideshow", wrong})) << wrong;
        EXPECT_EQ(RunCommandLine({"pevrano-slideshow", wrong}, c), 2) << wrong;
    }
    EXPECT_EQ(errText, QString("usage: pevrano-slideshow [SHOW.json | compile SHOW.json | --help "
                               "| --version]\n")
                           .repeated(4));
    EXPECT_EQ(RunCommandLine({"pevrano-slideshow", "--version"}, c), 0);
    EXPECT_TRUE(QRegularExpression("^pevrano-slideshow \\d+\\.\\d+\n$").match(outText).hasMatch())
        << outText.toStdString();
}

// A FIFO is no picture: left out and named, and the show is written all the
// same. A name too long for the file system is refused before anything is
// made.
TEST_F(Command, FifoAndTooLongNames) {
    QFile::remove(dir.filePath("a.jpg"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("a.jpg")).constData(), 0600), 0);
    EXPECT_EQ(Run(kThreeSlides), 1);
    EXPECT_EQ(LastLine(),
              "error: cannot read " + dir.filePath("a.jpg") + "; it is not in the show");
    EXPECT_FALSE(QFile::exists(dir.filePath("out/trip/pix/pic1.jpg")));
    EXPECT_EQ(outText, dir.filePath("out/trip/trip.htm") + "\n");

    QDir(dir.path()).mkdir("long");
    const QByteArray longPage = R"({"slides": [{"PicturePath": "b.jpg"}, {"PicturePath": "b.jpg"},
                                               {"PicturePath": "c.jpg"}],
        "compile": {"Directory": "long", "FirstPageName": ")" +
                                QByteArray(252, 'p') + "\"}}";
    EXPECT_EQ(Run(longPage), 1);
    EXPECT_TRUE(LastLine().contains("File name too long: " + QString(252, 'p') + ".htm"));
    EXPECT_TRUE(QDir(dir.filePath("long")).isEmpty());
}

// "--" ends the options, so a show file may begin with "-"; an empty name is
// refused instead of reading the current folder.
TEST_F(Command, DoubleDashAndEmptyShowName) {
    Write("-trip.json", kThreeSlides);
    CommandContext c = Context(local, out);
    EXPECT_EQ(RunCommandLine({"pevrano-slideshow", "compile", "--", "-trip.json"}, c), 0)
        << errText.toStdString();
    EXPECT_EQ(outText, dir.filePath("out/trip/trip.htm") + "\n");
    errText.clear();
    EXPECT_EQ(RunCommandLine({"pevrano-slideshow", "compile", ""}, c), 2);
    EXPECT_EQ(RunCommandLine({"pevrano-slideshow", "compile", "--", ""}, c), 2);
    EXPECT_EQ(RunCommandLine({"pevrano-slideshow", "compile", "-trip.json"}, c), 2);
    EXPECT_EQ(errText, QString("error: compile takes one show file; see \"pevrano-slideshow "
                               "compile --help\"\n")
                           .repeated(3));
}

// A name that is empty once filtered, or of blanks only, is refused as the
// prompt refuses it: no folder " " and no page "   .htm".
TEST_F(Command, EmptyAndBlankNamesAreRefused) {
    const struct {
        const char* compile;
        const char* prompt;
        const char* reason;
    } cases[] = {
        {R"("ShowFolderName": "../..")",
         "[Please type in a Name.]\n    Name needed, Please type in a Name.\n",
         "error: ShowFolderName is empty once the characters ? \\ : * < > | . / are dropped"},
        {R"("FirstPageName": "   ")", "[Please type in a Name.]",
         "error: FirstPageName holds only blanks"},
        {R"("FirstPageName": "trip", "ShowFolderName": " ")", "[Please type in a Name.]",
         "error: ShowFolderName holds only blanks"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        EXPECT_EQ(Run(ThreeSlides(R"("Directory": "out", )" + QByteArray(c.compile))), 1);
        EXPECT_TRUE(errText.contains(c.prompt));
        EXPECT_EQ(LastLine(), c.reason);
        EXPECT_TRUE(QDir(dir.filePath("out")).isEmpty());
    }
}

// A copy that fails ends the run with the summary, not "Compiled
// Successfully"; the summary and the last lines name the file and the reason.
TEST_F(Command, FailedCopyIsNoSuccess) {
    EXPECT_EQ(Run(kThreeSlides,
                  Fs::Failing("copy", "pic2.jpg", {FsError::Other, "No space left on device", 28})),
              1);
    EXPECT_FALSE(errText.contains("[Compiled Successfully]"));
    EXPECT_TRUE(errText.contains("[Slide Show Not Complete]\n    Your files were put in the your "
                                 "path \"" +
                                 dir.filePath("out/trip/") +
                                 "\", but these files are missing from the slide show:\n"
                                 "    Cannot copy " +
                                 dir.filePath("b.jpg") + " to " +
                                 dir.filePath("out/trip/pix/pic2.jpg") +
                                 ": No space left on device\n"))
        << errText.toStdString();
    EXPECT_EQ(LastLine(), "error: cannot copy " + dir.filePath("b.jpg") + " to " +
                              dir.filePath("out/trip/pix/pic2.jpg") + ": No space left on device");
}

// Files from outside the show file's folder are taken, and listed; a link
// inside the folder that leads outside counts as outside, the program's own
// pictures do not. The exit status stays 0.
TEST_F(Command, SourcesFromOutsideTheShowFolderAreListed) {
    QTemporaryDir elsewhere;
    WriteFile(elsewhere.filePath("secret.jpg"), TinyPicture(".jpg"));
    WriteFile(elsewhere.filePath("tune.mp3"), QByteArray("ID3\x03\0\0\0\0\0\0tune", 14));
    ASSERT_TRUE(QFile::link(elsewhere.filePath("secret.jpg"), dir.filePath("link.jpg")));
    QDir(dir.path()).mkdir("shows");
    Write("shows/in.jpg", TinyPicture(".jpg"));
    Write("shows/show.json",
          QStringLiteral(R"({"slides": [{"PicturePath": "in.jpg"}, {"PicturePath": "../link.jpg"},
                {"PicturePath": "%1"}],
             "settings": {"SongPath": "%2", "OpenPgBkPic": "{program}/wood.gif"},
             "compile": {"FirstPageName": "trip", "Directory": "../out"}})")
              .arg(elsewhere.filePath("secret.jpg"), elsewhere.filePath("tune.mp3"))
              .toUtf8());
    EXPECT_EQ(Run(local, "shows/show.json"), 0) << errText.toStdString();
    const QString tail = errText.mid(errText.indexOf("warning: these files"));
    EXPECT_EQ(tail, "warning: these files were taken from outside the folder of "
                    "shows/show.json:\n"
                    "    slide 2's picture " +
                        dir.filePath("link.jpg") + " (" + elsewhere.filePath("secret.jpg") +
                        ")\n"
                        "    the song " +
                        elsewhere.filePath("tune.mp3") + "\n");
}

// What cannot be written to standard output is a failure (status 1); a wrong
// command line stays 2.
TEST_F(Command, UnwritableStandardOutputIsAFailure) {
    Write("show.json", kThreeSlides);
    const struct {
        QStringList command;
        int status;
    } cases[] = {{{"pevrano-slideshow", "--version"}, 1},
                 {{"pevrano-slideshow", "--help"}, 1},
                 {{"pevrano-slideshow", "compile", "--help"}, 1},
                 {{"pevrano-slideshow", "compile", "show.json"}, 1},
                 {{"pevrano-slideshow", "compile"}, 2}};
    for (const auto& [command, status] : cases) {
        QFile full("/dev/full");
        ASSERT_TRUE(full.open(QIODevice::WriteOnly));
        QTextStream fullOut(&full);
        errText.clear();
        CommandContext c = Context(local, fullOut);
        EXPECT_EQ(RunCommandLine(command, c), status) << command.join(' ').toStdString();
        if (status == 1)
            EXPECT_EQ(LastLine(), "error: cannot write to standard output")
                << command.join(' ').toStdString();
    }
}
