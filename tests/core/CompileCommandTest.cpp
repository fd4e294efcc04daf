// The headless command run in this process, with file systems that refuse.
#include "compiler/CompileCommand.h"
#include "FaultyFileSystem.h"
#include "core/PrintQt.h"
#include "platform/LocalFileSystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// A local file system whose every directory is on the given kind of drive.
class DriveOf : public FaultyFileSystem {
public:
    DriveOf(FileSystem& inner, DriveType type)
        : FaultyFileSystem(inner, [](const QString&, const QString&) { return std::nullopt; }),
          type(type) {}
    DriveType driveType(const QString&) override { return type; }

private:
    DriveType type;
};

class Command : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QFile show(dir.filePath("show.json"));
        ASSERT_TRUE(show.open(QIODevice::WriteOnly));
        show.write(R"({"slides": [{"PicturePath": "a.jpg"}, {"PicturePath": "b.jpg"},
                                  {"PicturePath": "c.jpg"}],
                       "compile": {"FirstPageName": "Trip", "Directory": "out"}})");
        show.close();
        QDir(dir.path()).mkdir("out");
    }

    int RunCommand(FileSystem& fs,
                   QStringList args = {"pevrano-slideshow", "compile", "show.json"}) {
        CommandContext c{fs, dir.filePath("program"), dir.path(), dir.path(), kNow, out, err};
        const int status = RunCommandLine(args, c);
        out.flush();
        err.flush();
        return status;
    }

    QString LastLine() const { return errText.trimmed().split('\n').last(); }

    const QDateTime kNow{QDate(2024, 3, 5), QTime(10, 0)};
    QTemporaryDir dir;
    QString outText, errText;
    QTextStream out{&outText}, err{&errText};
    LocalFileSystem local;
};
} // namespace

TEST_F(Command, RefusedDrivesEndTheRunWithOneLine) {
    DriveOf cd(local, DriveType::CdRom);
    EXPECT_EQ(RunCommand(cd), 1);
    EXPECT_TRUE(errText.contains("[Please select another path...]\n"
                                 "    You Can Not Select a CD Rom Drive!\n"));
    EXPECT_EQ(LastLine(), "error: the directory " + dir.filePath("out") +
                              " can not hold the show: You Can Not Select a CD Rom Drive!");

    errText.clear();
    DriveOf floppy(local, DriveType::Removable);
    EXPECT_EQ(RunCommand(floppy), 1);
    EXPECT_EQ(LastLine(), "error: the directory " + dir.filePath("out") +
                              " can not hold the show: You Can Not Select a Foppy Drive!");
    EXPECT_TRUE(QDir(dir.filePath("out")).isEmpty());
    EXPECT_TRUE(outText.isEmpty());
}

TEST_F(Command, UncreatableFolderIsNotAskedAgain) {
    FaultyFileSystem denied(local,
                            [](const QString& op, const QString&) -> std::optional<FsResult> {
                                if (op == "create")
                                    return FsResult{FsError::AccessDenied, "Permission denied", 13};
                                return std::nullopt;
                            });
    EXPECT_EQ(RunCommand(denied), 1);
    EXPECT_EQ(errText.count("[File Error!]"), 1);
    EXPECT_EQ(LastLine(), "error: cannot create the show folder " + dir.filePath("out/trip/") +
                              ": Permission denied");
}

TEST_F(Command, FailedPageWriteIsOneLine) {
    FaultyFileSystem full(local,
                          [](const QString& op, const QString& path) -> std::optional<FsResult> {
                              if (op == "write" && path.endsWith("netscape.htm"))
                                  return FsResult{FsError::Other, "No space left on device", 28};
                              return std::nullopt;
                          });
    EXPECT_EQ(RunCommand(full), 1);
    EXPECT_EQ(LastLine(), "error: cannot write " + dir.filePath("out/trip/pix/netscape.htm") +
                              ": No space left on device");
}

TEST_F(Command, NameThatIsEmptyOnceFilteredIsRefused) {
    QFile show(dir.filePath("dots.json"));
    ASSERT_TRUE(show.open(QIODevice::WriteOnly));
    show.write(R"({"slides": [{"PicturePath": "a.jpg"}, {"PicturePath": "b.jpg"},
                              {"PicturePath": "c.jpg"}],
                   "compile": {"ShowFolderName": "../..", "Directory": "out"}})");
    show.close();
    EXPECT_EQ(RunCommand(local, {"pevrano-slideshow", "compile", "dots.json"}), 1);
    EXPECT_TRUE(errText.contains("[Please type in a Name.]\n"
                                 "    Name needed, Please type in a Name.\n"));
    EXPECT_EQ(LastLine(),
              "error: ShowFolderName is empty once the characters ? \\ : * < > | . / are dropped");
    EXPECT_TRUE(QDir(dir.filePath("out")).isEmpty());
}

TEST_F(Command, WrongCommandLines) {
    EXPECT_EQ(RunCommand(local, {"pevrano-slideshow", "compile"}), 2);
    EXPECT_EQ(LastLine(), "error: compile takes one show file; see \"pevrano-slideshow "
                          "compile --help\"");
    EXPECT_EQ(RunCommand(local, {"pevrano-slideshow", "compile", "a.json", "b.json"}), 2);
    EXPECT_TRUE(IsCommandLine({"pevrano-slideshow", "compile"}));
    EXPECT_TRUE(IsCommandLine({"pevrano-slideshow", "--help"}));
    EXPECT_FALSE(IsCommandLine({"pevrano-slideshow"}));
    EXPECT_FALSE(IsCommandLine({"pevrano-slideshow", "-style", "fusion"}));
}
