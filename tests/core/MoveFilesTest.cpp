// The show folder and its copies: the questions asked again after a folder
// error, refused drives, failed copies, and the progress of the run. What a
// good run copies under which name is in the compiled-show snapshots.
#include "FaultyFileSystem.h"
#include "ScriptedCompileHost.h"
#include "TestFiles.h"
#include "compiler/OutputFolder.h"
#include "compiler/PictureFitter.h"
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
        for (const char* name : {"fraright.jpg", "fraleft.jpg", "catalog.jpg", "ssnobnoc.jpg",
                                 "ssbnoc.jpg", "ssbc.jpg", "photo.jar", "wood.gif"})
            WriteFile(program + '/' + name, name);
        p.settings = ShowSettings::FirstStart(program, QDir::homePath());
        p.Clear();
        for (const char* name : {"Beach.JPG", "hill.jpg", "sea.jpeg"})
            p.AppendPicture(source(name));
    }

    QString source(const QString& name) const {
        WriteFile(sources + name, "picture " + name.toUtf8());
        return sources + name;
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

// Makes "sizes" of the stand-in pictures from their names: a phone size for
// beach pictures only, nothing for the sea (as for a picture that does not
// decode).
class NamedSizes : public PictureFitter {
public:
    PictureCopies copies(const QString& source, const PictureRequest& request) const override {
        PictureCopies made;
        EXPECT_TRUE(request.sizes);
        EXPECT_FALSE(request.fitBox);
        if (source.endsWith("sea.jpeg")) {
            made.undecodable = true;
            return made;
        }
        made.thumb = "thumb of " + QFileInfo(source).fileName().toUtf8();
        if (source.endsWith("Beach.JPG"))
            made.phone = "phone size of Beach.JPG";
        return made;
    }
};

// With the sizes on, each slide's thumbnail and phone size land in their
// folders beside the full copies, the bar counts them, and the pictures
// without sizes are named in one message.
TEST_F(MoveFilesTest, SizesLandInTheirFoldersAndCount) {
    const NamedSizes sizes;
    host.fitter = &sizes;
    p.settings.PictureSizes = true;
    answer("show", target);
    run();
    const QString pix = p.names.OutputFolder + "pix/";
    EXPECT_EQ(ReadFile(pix + "pic1.jpg"), "picture Beach.JPG");
    EXPECT_EQ(ReadFile(pix + "pic3.jpeg"), "picture sea.jpeg");
    EXPECT_EQ(ReadFile(pix + "thumbs/pic1.jpg"), "thumb of Beach.JPG");
    EXPECT_EQ(ReadFile(pix + "thumbs/pic2.jpg"), "thumb of hill.jpg");
    EXPECT_EQ(QDir(pix + "thumbs").entryList(QDir::Files).size(), 2);
    EXPECT_EQ(QDir(pix + "phone").entryList(QDir::Files), QStringList({"pic1.jpg"}));
    // Two more steps for each picture, for its two sizes.
    EXPECT_TRUE(host.events.contains("progress 0..35")) << host.events.join(", ").toStdString();
    ASSERT_GE(host.progress.size(), 3u);
    EXPECT_EQ(std::vector<int>(host.progress.begin(), host.progress.begin() + 3),
              std::vector<int>({3, 6, 9}));
    ASSERT_EQ(messages().size(), 2u); // the folder's note, then the pictures
    ExpectBox(messages()[1],
              "These pictures could not be read to make their thumbnails and phone sizes, so "
              "they were copied as they are:\r\n" +
                  QDir::toNativeSeparators(sources + "sea.jpeg"),
              "Write thumbnails and a phone size", MsgIcon::Exclamation);
}

// Writes every picture it is given as "jpeg of NAME", as the real fitter
// writes WebP, TIFF and HEIC: "damaged" ones do not decode, "anim" ones are
// animations.
class NamedJpegs : public PictureFitter {
public:
    PictureCopies copies(const QString& source, const PictureRequest& request) const override {
        EXPECT_FALSE(request.fitBox || request.sizes);
        PictureCopies made;
        const QString name = QFileInfo(source).fileName();
        if (name.startsWith("damaged")) {
            made.full.kind = FittedPicture::Kind::Undecodable;
            made.undecodable = true;
            return made;
        }
        made.full = {FittedPicture::Kind::Fitted, "jpeg of " + name.toUtf8(),
                     name.startsWith("anim")};
        return made;
    }
};

// WebP, TIFF and HEIC go through the fitter whatever the settings: slide
// pictures, the shared background and the opening page's picture come out
// under ".jpg" names; one that does not decode is left out (never copied
// under a name the pages would show) and named with the animations in one
// message. Without a fitter nothing can convert them: all are left out.
TEST_F(MoveFilesTest, NewerFormatsAreWrittenAsJpegOrLeftOut) {
    p.slide(1).PicturePath = source("anim.webp");
    p.slide(2).PicturePath = source("damaged.TIF");
    p.settings.UseColTrueUsePicFalse = false;
    p.settings.optIntBkImgOptionForm = 0;
    p.slot(0).BkPicture = source("wall.heic");
    p.settings.OpenPgBkPic = source("Door.HEIF");
    const NamedJpegs jpegs;
    host.fitter = &jpegs;
    answer("show", target);
    run();
    const QString pix = p.names.OutputFolder + "pix/";
    EXPECT_EQ(ReadFile(pix + "pic1.jpg"), "jpeg of anim.webp");
    EXPECT_EQ(ReadFile(pix + "pic3.jpeg"), "picture sea.jpeg");
    EXPECT_EQ(ReadFile(pix + "bgimg.jpg"), "jpeg of wall.heic");
    EXPECT_EQ(ReadFile(pix + "door.jpg"), "jpeg of Door.HEIF");
    for (const QString& name : pixFiles())
        EXPECT_FALSE(name.startsWith("pic2") || name.endsWith(".webp") || name.endsWith(".heic") ||
                     name.endsWith(".heif"))
            << name.toStdString();
    ASSERT_EQ(messages().size(), 2u); // the folder's note, then the pictures
    ExpectBox(messages()[1],
              "These pictures could not be read, so they are not in the show:\r\n" +
                  QDir::toNativeSeparators(sources + "damaged.TIF") +
                  "\r\n\r\nThese pictures hold an animation or several pages; the show has "
                  "the first picture of each:\r\n" +
                  QDir::toNativeSeparators(sources + "anim.webp"),
              "Pictures for the web", MsgIcon::Exclamation);

    host.fitter = nullptr;
    answer("again", target);
    run();
    EXPECT_EQ(pixFiles().filter(QRegularExpression("^(pic[12]|bgimg|door)\\.")), QStringList{});
    EXPECT_TRUE(messages().back().text.contains(QDir::toNativeSeparators(sources + "wall.heic")));
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

TEST_F(MoveFilesTest, SourceWithoutExtensionIsRefusedBeforeAnythingIsMade) {
    p.settings.SongPath = source("README");
    answer("show", target);
    host.folderNames.push_back(std::nullopt);
    run();
    ExpectBox(messages().at(0),
              "22 The file name has no extension: " + sources +
                  "README Error has occured please try again!",
              "File Error!");
    EXPECT_TRUE(QDir(target).isEmpty());
    EXPECT_TRUE(p.flags.CompileCancelled);
}

TEST_F(MoveFilesTest, FailedCopiesAreReportedOneByOneAndTheRunGoesOn) {
    p.slide(2).PicturePath = sources + "vanished.jpg";
    p.slide(3).PicturePath.clear(); // left empty after the check: skipped quietly
    QFile::remove(program + "/photo.jar");
    // An opening-page picture named like a slide copy meets that copy.
    p.settings.OpenPgBkPic = source("PIC1.JPG");
    answer("show", target);
    run();

    const auto msgs = messages();
    ASSERT_EQ(msgs.size(), 4u); // note, picture, applet archive, opening picture
    for (int i : {1, 2, 3})
        ExpectBox(msgs[i], "Error occurred!", "File Copy Error", MsgIcon::Information);
    EXPECT_EQ(pixFiles(), QStringList({"catalog.jpg", "fraleft.jpg", "fraright.jpg", "pic1.jpg",
                                       "ssbc.jpg", "ssbnoc.jpg", "ssnobnoc.jpg"}));
    QFile first(p.names.OutputFolder + "pix/pic1.jpg");
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    EXPECT_EQ(first.readAll(), "picture Beach.JPG");
    EXPECT_EQ(folderQuestions(), 1);
}
