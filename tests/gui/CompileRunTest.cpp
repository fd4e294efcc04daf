// Whole compile runs into temporary folders, with scripted answers.
#include "FaultyFileSystem.h"
#include "ScriptedCompileHost.h"
#include "compiler/CompileDriver.h"
#include "compiler/SlidePages.h"
#include "compiler/TitlePage.h"
#include "core/PrintQt.h"
#include "platform/LocalFileSystem.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const QDateTime kNow(QDate(2024, 3, 5), QTime(10, 0));
const QString kPageName = "my show";

QSet<QString> Listing(const QString& folder) {
    const QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    return QSet<QString>(names.begin(), names.end());
}

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void WriteJpeg(const QString& path, QColor color) {
    QImage image(32, 24, QImage::Format_RGB32);
    image.fill(color);
    ASSERT_TRUE(image.save(path, "JPG"));
}

class CompileRun : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        for (const char* sub : {"program", "pictures", "out"})
            QDir(root.path()).mkdir(sub);
        for (const char* view : {"fraright.jpg", "fraleft.jpg", "catalog.jpg", "ssnobnoc.jpg",
                                 "ssbnoc.jpg", "ssbc.jpg", "clouds.jpg"})
            WriteJpeg(program() + "/" + view, Qt::gray);
        WriteBytes(program() + "/photo.jar", "PK\x03\x04 applet");
        WriteBytes(program() + "/wood.gif", "GIF89a wood");
        const QColor colors[] = {Qt::red, Qt::green, Qt::blue};
        for (int k = 1; k <= 3; ++k)
            WriteJpeg(pictures() + QStringLiteral("/photo%1.JPG").arg(k), colors[k - 1]);

        p.settings = ShowSettings::FirstStart(program(), root.path());
        p.settings.FontInUse = "Arial";
        p.settings.FontSizeInUse = "16";
        p.Clear();
        for (int k = 1; k <= 3; ++k) {
            p.AppendPicture(pictures() + QStringLiteral("/photo%1.JPG").arg(k));
            p.slide(k).Caption = QStringLiteral("Slide number %1").arg(k);
        }
    }

    QString program() const { return root.path() + "/program"; }
    QString pictures() const { return root.path() + "/pictures"; }
    QString out() const { return root.path() + "/out"; }
    QString show(const QString& folder = "show") const { return out() + "/" + folder + "/"; }

    // Answers for a run that goes through: Yes, the names, the directory, the
    // message, and the answer to "view now".
    void Script(const QString& message = "Our holiday", MsgResult viewNow = MsgResult::No) {
        host.ui.queueMessageAnswer(MsgResult::Yes);
        host.pageNames.push_back("My Show");
        host.folderNames.push_back("Show");
        host.ui.queueFolder(out());
        host.ui.queueInput(message);
        host.ui.queueMessageAnswer(viewNow);
    }

    CompileOutcome Compile(FileSystem& fs) { return CompileShow(p, host, fs, program(), kNow); }
    CompileOutcome Compile() { return Compile(local); }

    QStringList Titles() const {
        QStringList t;
        for (const MessageBoxRequest& m : host.ui.messages())
            t << m.title;
        return t;
    }

    const QSet<QString> kPages{"slideshw.htm", "ssbnoc.htm",   "ssnobnoc.htm", "allcode.js",
                               "netscape.htm", "appletss.htm", "catalog.htm",  "frmleft.htm",
                               "frmright.htm", "thumbpic.htm"};
    const QSet<QString> kFixed{"fraright.jpg", "fraleft.jpg", "catalog.jpg", "ssnobnoc.jpg",
                               "ssbnoc.jpg",   "ssbc.jpg",    "photo.jar",   "wood.gif"};

    QTemporaryDir root;
    SlideShowProject p;
    ScriptedCompileHost host;
    LocalFileSystem local;
};
} // namespace

TEST_F(CompileRun, ThreeJpegsOnColourBackgroundsWithoutSong) {
    Script();
    ASSERT_EQ(Compile(), CompileOutcome::Compiled);
    EXPECT_EQ(p.names.OutputFolder, show());
    EXPECT_EQ(Listing(show()), QSet<QString>({"pix", "my show.htm"}));
    EXPECT_EQ(Listing(show() + "pix"),
              QSet<QString>({"pic1.jpg", "pic2.jpg", "pic3.jpg"}) + kFixed + kPages);
    EXPECT_EQ(Bytes(show() + "pix/pic2.jpg"), Bytes(pictures() + "/photo2.JPG"));

    // Each page is the writer's text and one CR LF, in Windows-1252.
    EXPECT_EQ(Bytes(show() + "my show.htm"), TitlePageText(p).toLatin1() + "\r\n");
    EXPECT_EQ(Bytes(show() + "pix/slideshw.htm"),
              (PageHead(p, kNow) + SlidePage(p, true, true)).toLatin1() + "\r\n");
    EXPECT_EQ(p.settings.TitleMessage, "Our holiday");

    EXPECT_EQ(Titles(), QStringList({"Compile your Slide Show Now?", "Pevrano Slide Show",
                                     "Compiled Successfully", "View your Slide Show now?"}));
    const MessageBoxRequest done = host.ui.messages()[2];
    EXPECT_EQ(done.text, "Your files were put in the your path \"" + show() + "\" successfully!");
    EXPECT_EQ(done.icon, MsgIcon::Information);
    EXPECT_EQ(done.buttons, MsgButtons::Ok);
    const MessageBoxRequest view = host.ui.messages()[3];
    EXPECT_EQ(view.text, "Would you like to see your Slide Show Now?");
    EXPECT_EQ(view.buttons, MsgButtons::YesNo);
    EXPECT_EQ(view.icon, MsgIcon::Question);
    EXPECT_FALSE(host.events.join(",").contains("open"));
}

TEST_F(CompileRun, ViewNowOpensTheOpeningPage) {
    Script("Hello", MsgResult::Yes);
    ASSERT_EQ(Compile(), CompileOutcome::Compiled);
    EXPECT_EQ(host.events.last(), "open " + show() + "my show.htm");
}

TEST_F(CompileRun, PicturePerSlideCopiesEveryBackground) {
    p.settings.UseColTrueUsePicFalse = false;
    p.settings.optIntBkImgOptionForm = 1;
    const QString bk[] = {"b1.gif", "b2.JPG", "b3.bmp"};
    for (int k = 1; k <= 3; ++k) {
        WriteBytes(pictures() + "/" + bk[k - 1], "background");
        p.slide(k).BkPicture = pictures() + "/" + bk[k - 1];
    }
    Script();
    ASSERT_EQ(Compile(), CompileOutcome::Compiled);
    EXPECT_EQ(Listing(show() + "pix"), QSet<QString>({"pic1.jpg", "pic2.jpg", "pic3.jpg",
                                                      "bkimg1.gif", "bkimg2.jpg", "bkimg3.bmp"}) +
                                           kFixed + kPages);
}

TEST_F(CompileRun, OneBackgroundPictureIsCopiedOnceFromTheFirstSlot) {
    p.settings.UseColTrueUsePicFalse = false;
    p.settings.optIntBkImgOptionForm = 0;
    WriteBytes(pictures() + "/sea.GIF", "sea");
    p.slot(0).BkPicture = pictures() + "/sea.GIF";
    p.slide(2).BkPicture = pictures() + "/photo1.JPG";
    Script();
    ASSERT_EQ(Compile(), CompileOutcome::Compiled);
    EXPECT_EQ(Listing(show() + "pix"),
              QSet<QString>({"pic1.jpg", "pic2.jpg", "pic3.jpg", "bgimg.gif"}) + kFixed + kPages);
    EXPECT_EQ(Bytes(show() + "pix/bgimg.gif"), QByteArray("sea"));
}

TEST_F(CompileRun, MidiSongIsCopiedAsTheSong) {
    WriteBytes(pictures() + "/Tune.MID", "MThd");
    p.settings.SongPath = pictures() + "/Tune.MID";
    Script();
    ASSERT_EQ(Compile(), CompileOutcome::Compiled);
    EXPECT_TRUE(Listing(show() + "pix").contains("thesong.mid"));
    EXPECT_EQ(Bytes(show() + "pix/thesong.mid"), QByteArray("MThd"));
}

TEST_F(CompileRun, ExistingFolderAsksForAnotherName) {
    QDir(out()).mkdir("show");
    Script();
    host.folderNames.push_back("Show 2");
    host.ui.queueFolder(out());
    ASSERT_EQ(Compile(), CompileOutcome::Compiled);
    EXPECT_EQ(p.names.OutputFolder, show("show 2"));
    EXPECT_TRUE(Listing(show()).isEmpty());
    EXPECT_TRUE(QFile::exists(show("show 2") + "my show.htm"));
    const MessageBoxRequest m = host.ui.messages().at(1);
    EXPECT_EQ(m.text, "A folder with this name in this Directory already exist! \r\n"
                      "Please type (select) a different Name file path.");
    EXPECT_EQ(m.title, "Need a New File Path Name or Directory.");
    EXPECT_EQ(m.icon, MsgIcon::Critical);
}

TEST_F(CompileRun, CancelInEitherNamePromptWritesNothing) {
    host.ui.queueMessageAnswer(MsgResult::Yes);
    host.pageNames.push_back(std::nullopt);
    EXPECT_EQ(Compile(), CompileOutcome::Cancelled);
    EXPECT_FALSE(p.flags.CompileCancelled);

    host.ui.queueMessageAnswer(MsgResult::Yes);
    host.pageNames.push_back("My Show");
    host.folderNames.push_back(std::nullopt);
    EXPECT_EQ(Compile(), CompileOutcome::Cancelled);
    EXPECT_FALSE(p.flags.CompileCancelled);
    EXPECT_TRUE(Listing(out()).isEmpty());
    EXPECT_EQ(Titles(),
              QStringList({"Compile your Slide Show Now?", "Compile your Slide Show Now?"}));
}

TEST_F(CompileRun, MissingPictureIsReportedAndTheShowIsStillWritten) {
    p.slide(2).PicturePath = pictures() + "/gone.jpg";
    Script();
    ASSERT_EQ(Compile(), CompileOutcome::Compiled);
    const QSet<QString> pix = Listing(show() + "pix");
    EXPECT_FALSE(pix.contains("pic2.jpg"));
    EXPECT_TRUE(pix.contains("pic3.jpg"));
    EXPECT_TRUE(pix.contains("thumbpic.htm"));
    EXPECT_TRUE(Titles().contains("File Copy Error"));
    EXPECT_TRUE(Titles().contains("Compiled Successfully"));
}

TEST_F(CompileRun, UnwritableDirectoryAsksAgainAndCancelWritesNothing) {
    FaultyFileSystem fs(local, [](const QString& op, const QString&) -> std::optional<FsResult> {
        if (op == "create")
            return FsResult{FsError::AccessDenied, "Permission denied", 13};
        return std::nullopt;
    });
    host.ui.queueMessageAnswer(MsgResult::Yes);
    host.pageNames.push_back("My Show");
    host.folderNames.push_back("Show");
    host.folderNames.push_back(std::nullopt);
    host.ui.queueFolder(out());
    EXPECT_EQ(Compile(fs), CompileOutcome::Cancelled);
    EXPECT_FALSE(p.flags.CompileCancelled);
    EXPECT_TRUE(Listing(out()).isEmpty());
    EXPECT_EQ(Titles(), QStringList({"Compile your Slide Show Now?", "File Error!"}));
}

// A page that cannot be written stops the run with a box naming the file and
// the reason; the project is as it was apart from the quotes.
TEST_F(CompileRun, FailingPageWriteStopsTheRunAndKeepsTheProject) {
    p.slide(1).Caption = "the \"big\" day";
    p.names.FirstPageName = "before";
    p.settings.TitleMessage = "old message";
    const CompileNames namesBefore = p.names;
    FaultyFileSystem fs(local,
                        [](const QString& op, const QString& path) -> std::optional<FsResult> {
                            if (op == "write" && path.endsWith("allcode.js"))
                                return FsResult{FsError::Other, "No space left on device", 28};
                            return std::nullopt;
                        });
    host.ui.queueMessageAnswer(MsgResult::Yes);
    host.pageNames.push_back("My Show");
    host.folderNames.push_back("Show");
    host.ui.queueFolder(out());
    host.ui.queueInput("New message");
    EXPECT_EQ(Compile(fs), CompileOutcome::WriteFailed);

    const MessageBoxRequest m = host.ui.messages().back();
    EXPECT_EQ(m.title, "File Error!");
    EXPECT_EQ(m.icon, MsgIcon::Critical);
    EXPECT_EQ(m.text, "The file \"" + show() +
                          "pix/allcode.js\" could not be written: "
                          "No space left on device\r\nThe slide show was not finished.");
    EXPECT_FALSE(Titles().contains("Compiled Successfully"));
    const QSet<QString> pix = Listing(show() + "pix");
    EXPECT_TRUE(pix.contains("ssnobnoc.htm"));
    EXPECT_FALSE(pix.contains("netscape.htm"));
    EXPECT_FALSE(pix.contains("catalog.htm"));

    EXPECT_EQ(p.slide(1).Caption, "the 'big' day");
    EXPECT_EQ(p.names.FirstPageName, namesBefore.FirstPageName);
    EXPECT_EQ(p.names.ShowFolderName, namesBefore.ShowFolderName);
    EXPECT_EQ(p.names.OutputFolder, namesBefore.OutputFolder);
    EXPECT_EQ(p.settings.TitleMessage, "old message");
    EXPECT_FALSE(p.flags.CompileCancelled);
}

TEST_F(CompileRun, PagesAreWindows1252OrUtf8WithBomWhenTheTextNeedsIt) {
    Script(QString::fromUtf8("Caf\u00e9 \u2013 \u20ac5"));
    ASSERT_EQ(Compile(), CompileOutcome::Compiled);
    const QByteArray western = Bytes(show() + "my show.htm");
    EXPECT_TRUE(western.contains("<TITLE>Caf\xE9 \x96 \x80"
                                 "5</TITLE>"));
    EXPECT_FALSE(western.startsWith("\xEF\xBB\xBF"));

    QDir(out()).rename("show", "first");
    Script(QString::fromUtf8("\u039a\u03b1\u03bb\u03ce\u03c2 \u00e9"));
    ASSERT_EQ(Compile(), CompileOutcome::Compiled);
    const QByteArray greek = Bytes(show() + "my show.htm");
    ASSERT_TRUE(greek.startsWith("\xEF\xBB\xBF"));
    EXPECT_TRUE(QString::fromUtf8(greek).contains(
        QString::fromUtf8("<TITLE>\u039a\u03b1\u03bb\u03ce\u03c2 \u00e9</TITLE>")));
    EXPECT_TRUE(greek.endsWith("\r\n\r\n"));
    // The other pages do not hold the message and stay single-byte.
    EXPECT_FALSE(Bytes(show() + "pix/slideshw.htm").startsWith("\xEF\xBB\xBF"));
    // The opening page loads the script, so the script is read as UTF-8 too.
    EXPECT_TRUE(Bytes(show() + "pix/allcode.js").startsWith("\xEF\xBB\xBF"));
}

// A slide page in UTF-8 takes its script along: a Western caption in the
// script must read the same in the page's encoding.
TEST_F(CompileRun, ScriptFollowsItsPagesIntoUtf8) {
    p.slide(2).Caption = QString::fromUtf8("Caf\u00e9 in town");
    Script();
    ASSERT_EQ(Compile(), CompileOutcome::Compiled);
    EXPECT_FALSE(Bytes(show() + "pix/allcode.js").startsWith("\xEF\xBB\xBF"));

    // A page name outside Windows-1252 sits in every slide page's title.
    QDir(out()).rename("show", "first");
    Script();
    host.pageNames.back() = QString::fromUtf8("\u0141\u00f3d\u017a");
    ASSERT_EQ(Compile(), CompileOutcome::Compiled);
    ASSERT_TRUE(Bytes(show() + "pix/slideshw.htm").startsWith("\xEF\xBB\xBF"));
    const QByteArray script = Bytes(show() + "pix/allcode.js");
    ASSERT_TRUE(script.startsWith("\xEF\xBB\xBF"));
    EXPECT_TRUE(QString::fromUtf8(script).contains(QString::fromUtf8("\"Caf\u00e9 in town\"")));
}

// A directory at the root of a drive gets no doubled separator.
TEST_F(CompileRun, DriveRootAsDirectory) {
    QStringList made;
    FaultyFileSystem fs(local,
                        [&](const QString& op, const QString& path) -> std::optional<FsResult> {
                            made << op + " " + path;
                            return FsResult::success(); // nothing really happens at the root
                        });
    host.ui.queueMessageAnswer(MsgResult::Yes);
    host.pageNames.push_back("My Show");
    host.folderNames.push_back("Show");
    host.ui.queueFolder("/");
    host.ui.queueInput("Root");
    host.ui.queueMessageAnswer(MsgResult::No);
    ASSERT_EQ(Compile(fs), CompileOutcome::Compiled);
    EXPECT_EQ(p.names.OutputFolder, "/show/");
    ASSERT_GE(made.size(), 3);
    EXPECT_EQ(made[0], "create /show/");
    EXPECT_EQ(made[1], "create /show/pix");
    EXPECT_TRUE(made.contains("write /show/my show.htm"));
    EXPECT_TRUE(made.contains("write /show/pix/thumbpic.htm"));
    EXPECT_FALSE(made.join("\n").contains("//"));
}
