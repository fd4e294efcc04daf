// The show folder and its copies: the questions asked again after a folder
// error, refused drives, failed copies, and the progress of the run. What a
// good run copies under which name is in the compiled-show snapshots.
#include "FaultyFileSystem.h"
#include "ScriptedCompileHost.h"
#include "TestFiles.h"
#include "compiler/OutputFolder.h"
#include "platform/FilePaths.h"
#include "platform/LocalFileSystem.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>

namespace {
const QString kExistsText = "A folder with this name in this Directory already exist! \r\n"
                            "Please type (select) a different Name file path.";

void ExpectBox(const MessageBoxRequest& m, const QString& text, const QString& title,
               MsgIcon icon = MsgIcon::Critical) {
    EXPECT_EQ(m.text, text);
    EXPECT_EQ(m.title, title);
    EXPECT_EQ(m.icon, icon);
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
}

// Source pictures, a program folder with its files and a directory that
// receives the show; three JPEG slides on colour backgrounds, no song.
class MoveFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        for (const char* d : {"sources", "program", "target"})
            ASSERT_TRUE(QDir(tmp.path()).mkdir(QString::fromLatin1(d)));
        WriteProgramFolder(program);
        p.settings = ShowSettings::FirstStart(program);
        p.Clear();
        for (const char* name : {"Beach.JPG", "hill.jpg", "sea.jpeg"})
            p.AppendPicture(source(name));
    }

    // A real picture of the format its extension names, tagged with its name.
    QString source(const QString& name) const {
        WriteFile(sources + name, picture(name));
        return sources + name;
    }
    static QByteArray picture(const QString& name) {
        return TinyPicture(FileExtension(name), "picture " + name.toUtf8());
    }
    void answer(const QString& folderName, const QString& directory) {
        host.folderNames.push_back(folderName);
        host.ui.queueFolder(directory);
    }
    QStringList pixFiles() const {
        return QDir(p.names.OutputFolder + "pix").entryList(QDir::Files, QDir::Name);
    }
    std::vector<MessageBoxRequest> messages() const { return host.ui.messages(); }
    qsizetype folderQuestions() const { return host.events.count("folder prompt"); }
    void run() { MoveFiles(p, host, fs, program); }

    QTemporaryDir tmp;
    const QString sources = tmp.filePath("sources") + '/';
    const QString program = tmp.filePath("program");
    const QString target = tmp.filePath("target");
    ScriptedCompileHost host;
    LocalFileSystem local;
    FaultyFileSystem::Fault fault = [](const QString&, const QString&) { return std::nullopt; };
    FaultyFileSystem fs{local,
                        [this](const QString& op, const QString& path) { return fault(op, path); }};
    SlideShowProject p;
};
} // namespace

// With the sizes on, each slide's thumbnail lands in its folder beside the
// full copies (no phone size for small pictures) and the bar counts them; a
// picture cut off before its header ends is left out, named, and has no
// sizes, so the pages show no thumbnail for it.
TEST_F(MoveFilesTest, SizesLandInTheirFoldersAndCount) {
    WriteFile(sources + "sea.png", TinyPicture(".png").left(40));
    p.slide(3).PicturePath = sources + "sea.png";
    p.settings.PictureSizes = true;
    p.settings.SizesCacheMB = 0;
    answer("show", target);
    run();
    const QString pix = p.names.OutputFolder + "pix/";
    EXPECT_EQ(ReadFile(pix + "pic1.jpg"), picture("Beach.JPG"));
    EXPECT_FALSE(QFile::exists(pix + "pic3.png"));
    EXPECT_TRUE(ReadFile(pix + "thumbs/pic1.jpg").startsWith("\xFF\xD8"));
    EXPECT_EQ(QDir(pix + "thumbs").entryList(QDir::Files), QStringList({"pic1.jpg", "pic2.jpg"}));
    EXPECT_EQ(QDir(pix + "phone").entryList(QDir::Files), QStringList());
    EXPECT_EQ(p.names.pix.thumbSizes, QList<QSize>({{2, 2}, {2, 2}, {}}));
    // Two more steps for each picture, for its two sizes.
    EXPECT_TRUE(host.events.contains("progress 0..35")) << host.events.join(", ").toStdString();
    ASSERT_GE(host.progress.size(), 3u);
    EXPECT_EQ(std::vector<int>(host.progress.begin(), host.progress.begin() + 3),
              std::vector<int>({3, 6, 9}));
    ASSERT_EQ(messages().size(), 2u); // the folder's note, then the pictures
    EXPECT_TRUE(messages()[1].text.startsWith(
        "These pictures could not be read, so they are not in the show:\r\n" +
        QDir::toNativeSeparators(sources + "sea.png") + " ("));
    EXPECT_EQ(host.picturesLeftOut(), QStringList{sources + "sea.png"});
}

// A good run's progress is in the window's compile test; a copy that throws
// still ends the busy cursor and hides the bar.
TEST_F(MoveFilesTest, ProgressEndsHoweverTheCopiesEnd) {
    fault = [](const QString&, const QString& path) -> std::optional<FsResult> {
        if (path.endsWith("catalog.jpg"))
            throw std::runtime_error("interrupted");
        return std::nullopt;
    };
    answer("show", target);
    EXPECT_THROW(run(), std::runtime_error);
    EXPECT_EQ(host.events.mid(2), QStringList({"busy", "not busy", "progress hidden"}));
}

TEST_F(MoveFilesTest, CancelledBrowserAndRefusedDrivesAskForTheDirectoryAgain) {
    const QString cd = tmp.filePath("cdrom"), usb = tmp.filePath("usb");
    fs.drives[cd] = DriveType::CdRom;
    fs.drives[usb] = DriveType::Removable;
    fs.drives[target] = DriveType::Network; // accepted
    host.folderNames.push_back("show");
    for (const QString& answerDir : {QString(), cd, usb, target})
        host.ui.queueFolder(answerDir);
    run();

    const auto& q = host.ui.questions();
    ASSERT_EQ(q.size(), 7u);
    EXPECT_EQ(q[1].kind, ScriptedPrompter::Kind::Folder); // asked again after Cancel
    ExpectBox(q[2].message, "You Can Not Select a CD Rom Drive!", "Please select another path...");
    ExpectBox(q[4].message, "You Can Not Select a Foppy Drive!", "Please select another path...");
    EXPECT_EQ(folderQuestions(), 1);
    EXPECT_TRUE(QFile::exists(target + "/show/pix/pic3.jpeg"));
}

// A folder that is there, a directory that is not, and folders that cannot
// be made: each is reported and both questions are asked again.
TEST_F(MoveFilesTest, FolderErrorsAskTheQuestionsAgain) {
    WriteFile(target + "/old/keep.txt", "mine");
    fault = [&](const QString& op, const QString& path) -> std::optional<FsResult> {
        if (op == "create" && path == target + "/show/")
            return FsResultFromErrno(EACCES);
        if (op == "create" && path == target + "/second/pix")
            return FsResultFromErrno(ENOSPC);
        return std::nullopt;
    };
    answer("OLD", target);
    answer("show", target + "/gone");
    answer("show", target);
    answer("second", target);
    answer("New", target);
    run();

    const auto msgs = messages();
    ASSERT_EQ(msgs.size(), 5u);
    ExpectBox(msgs[0], kExistsText, "Need a New File Path Name or Directory.");
    ExpectBox(msgs[1], kExistsText, "Need a New File Path Name or Directory.");
    ExpectBox(msgs[2], "13 Permission denied Error has occured please try again!", "File Error!");
    ExpectBox(msgs[3], "28 No space left on device Error has occured please try again!",
              "File Error!");
    EXPECT_EQ(msgs[4].title, "Pevrano Slide Show"); // the note naming the folder
    EXPECT_EQ(folderQuestions(), 5);
    EXPECT_EQ(p.names.OutputFolder, target + "/new/");
    EXPECT_EQ(pixFiles().size(), 11);
    // The folder that was there is left as it was.
    EXPECT_EQ(QDir(target + "/old").entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{"keep.txt"});
}

// Content decides, not names: a song without an extension is taken by its
// content; a file that is no song is left out, named, and never copied.
TEST_F(MoveFilesTest, SongsAreTakenByTheirContent) {
    const struct {
        QByteArray content;
        QString copy; // empty: left out
    } cases[] = {
        {QByteArray("ID3\x03\0\0\0\0\0\0tune", 14), "thesong.mp3"},
        {QByteArray("\xFF\xFB\x90\x64", 4) + "frames", "thesong.mp3"},
        {QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16), "thesong.wav"},
        {QByteArray("MThd\0\0\0\x06\0\x01", 10), "thesong.mid"},
        {"export HISTFILE=~/.bash_history\n", ""},
        {QByteArray("RIFF\x24\0\0\0AVI LIST", 16), ""},
    };
    int run_ = 0;
    qsizetype leftOutSoFar = 0;
    for (const auto& c : cases) {
        WriteFile(sources + "README", c.content);
        p.settings.SongPath = sources + "README";
        answer(QStringLiteral("show%1").arg(++run_), target);
        run();
        const QStringList songs = pixFiles().filter("thesong");
        EXPECT_EQ(songs, c.copy.isEmpty() ? QStringList() : QStringList{c.copy})
            << c.content.data();
        EXPECT_EQ(p.names.pix.song, c.copy);
        // Each run adds what it left out to the host's list.
        const qsizetype leftOutBefore = leftOutSoFar;
        leftOutSoFar = host.picturesLeftOut().size();
        EXPECT_EQ(leftOutSoFar > leftOutBefore, c.copy.isEmpty());
        if (c.copy.isEmpty())
            EXPECT_EQ(host.picturesLeftOut().back(), sources + "README");
    }
    EXPECT_TRUE(messages().back().text.contains(
        "The song is not an MP3, WAV or MIDI file, so it is not in the show:"));
}

TEST_F(MoveFilesTest, FailedCopiesAreReportedOneByOneAndTheRunGoesOn) {
    p.slide(2).PicturePath = sources + "vanished.jpg";
    p.slide(3).PicturePath.clear(); // left empty after the check: skipped quietly
    QFile::remove(program + "/photo.jar");
    fault = FaultyFileSystem::Failing("copy", "pix/fraleft.jpg", FsResultFromErrno(ENOSPC));
    answer("show", target);
    run();

    const auto msgs = messages();
    ASSERT_EQ(msgs.size(), 4u); // note, view image, applet archive, the picture left out
    for (int i : {1, 2})
        ExpectBox(msgs[i], "Error occurred!", "File Copy Error", MsgIcon::Information);
    EXPECT_TRUE(msgs[3].text.startsWith(
        "These pictures could not be read, so they are not in the show:\r\n" +
        QDir::toNativeSeparators(sources + "vanished.jpg") + " ("));
    EXPECT_EQ(pixFiles(), QStringList({"catalog.jpg", "fraright.jpg", "pic1.jpg", "ssbc.jpg",
                                       "ssbnoc.jpg", "ssnobnoc.jpg", "wood.gif"}));
    EXPECT_EQ(ReadFile(p.names.OutputFolder + "pix/pic1.jpg"), picture("Beach.JPG"));
    EXPECT_EQ(folderQuestions(), 1);
}

// The opening page's picture keeps its base name, its extension by content,
// unless that name is hidden or one the compile writes.
TEST_F(MoveFilesTest, OpeningPictureNeverTakesAWrittenOrHiddenName) {
    WriteFile(sources + "door", TinyPicture(".png"));
    const struct {
        QString source;
        QString copy;
    } cases[] = {
        {source("Wood.GIF"), "wood.gif"},         {sources + "door", "door.png"},
        {source("PIC1.JPG"), "opening.jpg"},      {source("catalog.jpg"), "opening.jpg"},
        {source(".htaccess.gif"), "opening.gif"}, {source("slideshw.htm.jpg"), "slideshw.htm.jpg"},
    };
    int n = 0;
    for (const auto& c : cases) {
        p.settings.OpenPgBkPic = c.source;
        answer(QStringLiteral("show%1").arg(++n), target);
        run();
        EXPECT_EQ(p.names.pix.openingPicture, c.copy) << c.source.toStdString();
        EXPECT_EQ(ReadFile(p.names.OutputFolder + "pix/" + c.copy), ReadFile(c.source));
        EXPECT_EQ(ReadFile(p.names.OutputFolder + "pix/pic1.jpg"), picture("Beach.JPG"));
    }
}
