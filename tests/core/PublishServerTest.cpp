// Publishing to real servers started here on 127.0.0.1: `rclone serve sftp`
// and `rclone serve webdav`, each with a user and a password. What arrived,
// and in what order, is read from the server's own log.
#include "CoreApplication.h"
#include "RcloneServer.h"
#include "TestFiles.h"
#include "platform/LocalFileSystem.h"
#include "publish/PublishCommand.h"
#include "publish/PublishRecord.h"
#include "publish/RemoteSetup.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {
const QString kPassword = QStringLiteral("s3cret-Pass");

QString Show(int slides, const QString& caption2 = "second") {
    QString list;
    for (int k = 1; k <= slides; ++k)
        list += QStringLiteral(R"(%1{"PicturePath": "p%2.jpg", "Caption": "%3"})")
                    .arg(k > 1 ? "," : "")
                    .arg(k)
                    .arg(k == 2 ? caption2 : QStringLiteral("slide %1").arg(k));
    return QStringLiteral(R"({"slides": [%1], "compile": {"FirstPageName": "Trip"},
        "publish": {"address": "https://example.org/shows/"}})")
        .arg(list);
}

// A folder with the program folder, four pictures and an rclone
// configuration of its own, where the publish command runs.
class PublishFolder {
protected:
    void WriteSources(int pictureSize) {
        NeedCoreApplication();
        ASSERT_TRUE(dir.isValid());
        WriteProgramFolder(dir.filePath("program"));
        for (int k = 1; k <= 4; ++k)
            WriteFile(dir.filePath(QStringLiteral("p%1.jpg").arg(k)),
                      TinyPicture(".jpg", QByteArray(pictureSize, static_cast<char>('a' + k))));
        rclone.environment.insert("RCLONE_CONFIG", dir.filePath("rclone.conf"));
    }
    // Publishes `show` to `target` (none when empty); `during` runs every
    // 20 ms meanwhile.
    int Send(const QString& show, const QString& target = "site:shows",
             const std::function<void()>& during = {}) {
        WriteFile(dir.filePath("show.json"), show.toUtf8());
        outText.clear();
        errText.clear();
        const QString program = dir.filePath("program"), cache = dir.filePath("cache");
        const QDateTime now = QDateTime::currentDateTime();
        PublishContext c{fs, program, dir.path(), dir.path(), cache, now, out, err};
        c.rclone = rclone;
        QTimer watch;
        if (during) {
            QObject::connect(&watch, &QTimer::timeout, during);
            watch.start(20);
        }
        return RunPublishCommand(
            target.isEmpty() ? QStringList{"show.json"} : QStringList{"show.json", target}, c);
    }

    QTemporaryDir dir;
    LocalFileSystem fs;
    RcloneProgram rclone;
    QString outText, errText;
    QTextStream out{&outText}, err{&errText};
};

class Publish : public ::testing::TestWithParam<RcloneServer::Kind>, protected PublishFolder {
protected:
    void SetUp() override {
        // Pictures large enough to stop the server while they travel.
        const QString test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        WriteSources(test.contains("Stopped") ? 3 << 20 : 20000);
        // Bounded time: a server that went away is not waited for long.
        rclone.environment.insert("RCLONE_RETRIES", "1");
        rclone.environment.insert("RCLONE_LOW_LEVEL_RETRIES", "1");
        rclone.environment.insert("RCLONE_CONTIMEOUT", "3s");
        rclone.environment.insert("RCLONE_TIMEOUT", "5s");
        server = std::make_unique<RcloneServer>(GetParam(), dir.filePath("served"),
                                                dir.filePath("server.log"), "u", kPassword);
        ASSERT_TRUE(server->start());
        ASSERT_EQ(MakeRemote(rclone, Details("site", kPassword)), std::nullopt);
    }
    RemoteDetails Details(const QString& name, const QString& password) const {
        return {GetParam() == RcloneServer::Kind::Sftp ? RemoteKind::Sftp : RemoteKind::WebDav,
                name,
                server->address(),
                server->port(),
                "u",
                password};
    }
    // Someone else's file, put there through the server.
    void Put(const QString& path, const QByteArray& bytes) {
        ASSERT_TRUE(RcloneCall::Run(rclone, {"rcat", "site:" + path}, bytes).ok());
    }
    QString Served(const QString& path) const {
        return QString::fromUtf8(ReadFile(dir.filePath("served/shows/trip/" + path)));
    }
    QStringList PictureArrivals() const {
        return server->arrivals().filter(QRegularExpression("/pix/pic\\d+\\.jpg$"));
    }

    std::unique_ptr<RcloneServer> server;
};

TEST_P(Publish, OnlyWhatChangedArrivesPagesAfterPicturesAndNoPasswordShows) {
    // Every process's command line, read again and again while publishing.
    QStringList seen;
    const auto readCommandLines = [&] {
        QDirIterator procs("/proc", QDir::Dirs | QDir::NoDotAndDotDot);
        while (procs.hasNext()) {
            const QByteArray line = ReadFile(procs.next() + "/cmdline");
            if (line.contains("rclone"))
                seen << QString::fromUtf8(line).replace(QChar(0), ' ');
        }
    };
    ASSERT_EQ(Send(Show(3), "site:shows", readCommandLines), 0) << errText.toStdString();
    EXPECT_EQ(outText, "https://example.org/shows/trip/trip.htm\n");
    EXPECT_EQ(Served("pix/pic1.jpg").size(), QFileInfo(dir.filePath("p1.jpg")).size());
    EXPECT_TRUE(Served("pix/allcode.js").contains("second"));

    // Pictures and scripts, then pages, the opening page, the record last.
    const QStringList order = server->arrivals();
    ASSERT_FALSE(order.isEmpty());
    EXPECT_EQ(order.last(), "shows/trip/publish.json");
    const auto last = [&](const char* pattern) {
        qsizetype at = -1;
        for (qsizetype i = 0; i < order.size(); ++i)
            if (order[i].contains(QRegularExpression(pattern)))
                at = i;
        return at;
    };
    const auto first = [&](const char* pattern) {
        return order.indexOf(QRegularExpression(QString(".*") + pattern + ".*"));
    };
    EXPECT_LT(last("\\.(jpg|gif|js|jar)$"), first("/pix/.*\\.htm$"));
    EXPECT_LT(last("/pix/.*\\.htm$"), first("/trip\\.htm$"));
    EXPECT_EQ(PictureArrivals().size(), 3);

    // A caption changed to one of the same length arrives; no picture is sent again.
    ASSERT_EQ(Send(Show(3, "SECOND")), 0) << errText.toStdString();
    EXPECT_TRUE(Served("pix/allcode.js").contains("SECOND"));
    EXPECT_EQ(PictureArrivals().size(), 3);

    EXPECT_FALSE(seen.isEmpty());
    for (const QString& line : seen)
        EXPECT_FALSE(line.contains(kPassword)) << line.toStdString();
    EXPECT_FALSE(ReadFile(dir.filePath("show.json")).contains(kPassword.toUtf8()));
    EXPECT_FALSE(ReadFile(dir.filePath("rclone.conf")).contains(kPassword.toUtf8()));
}

TEST_P(Publish, RemovedSlidesGoForeignFilesStayAndAClashSendsNothing) {
    ASSERT_EQ(Send(Show(4)), 0) << errText.toStdString();
    Put("shows/trip/notes.txt", "mine");
    ASSERT_EQ(Send(Show(3)), 0) << errText.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("served/shows/trip/pix/pic4.jpg")));
    EXPECT_TRUE(QFile::exists(dir.filePath("served/shows/trip/pix/pic3.jpg")));
    EXPECT_EQ(Served("notes.txt"), "mine");

    // Someone else's show folder of the same name elsewhere.
    Put("other/trip/pix/pic2.jpg", "theirs");
    const qsizetype before = server->arrivals().size();
    EXPECT_EQ(Send(Show(3), "site:other"), 1);
    EXPECT_TRUE(errText.contains("pix/pic2.jpg")) << errText.toStdString();
    EXPECT_TRUE(errText.contains("Nothing was sent"));
    EXPECT_EQ(server->arrivals().size(), before);
    EXPECT_EQ(ReadFile(dir.filePath("served/other/trip/pix/pic2.jpg")), "theirs");

    // A record past any real one's size is not read: its claims on the
    // files there count for nothing.
    PublishRecord claim{{"pix/pic2.jpg", {6, QByteArray(64, 'a')}}};
    Put("other/trip/publish.json", RecordJson(claim) + QByteArray(17 << 20, ' '));
    EXPECT_EQ(Send(Show(3), "site:other"), 1);
    EXPECT_TRUE(errText.contains("pix/pic2.jpg")) << errText.toStdString();
    EXPECT_EQ(ReadFile(dir.filePath("served/other/trip/pix/pic2.jpg")), "theirs");
}

TEST_P(Publish, AWrongPasswordIsRefusedInPlainWords) {
    ASSERT_EQ(MakeRemote(rclone, Details("wrong", "not-the-password")), std::nullopt);
    EXPECT_EQ(Send(Show(3), "wrong:shows"), 1);
    EXPECT_TRUE(errText.contains("refused the user name or password")) << errText.toStdString();
    EXPECT_TRUE(errText.contains("rclone: ")); // rclone's own message too
}

TEST_P(Publish, AServerStoppedHalfWayFailsAndTheNextPublishFinishes) {
    rclone.environment.insert("RCLONE_BWLIMIT", "4M");
    const int port = server->port();
    bool stopped = false;
    EXPECT_EQ(Send(Show(4), "site:shows",
                   [&] {
                       if (!stopped && !PictureArrivals().isEmpty()) {
                           server->stop();
                           stopped = true;
                       }
                   }),
              1);
    EXPECT_TRUE(stopped);
    EXPECT_TRUE(errText.contains("publish again to finish it")) << errText.toStdString();
    rclone.environment.remove("RCLONE_BWLIMIT");
    ASSERT_TRUE(server->start(port));
    ASSERT_EQ(Send(Show(4)), 0) << errText.toStdString();
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(Served(QStringLiteral("pix/pic%1.jpg").arg(k)).size(),
                  QFileInfo(dir.filePath(QStringLiteral("p%1.jpg").arg(k))).size())
            << k;
}

INSTANTIATE_TEST_SUITE_P(Servers, Publish,
                         ::testing::Values(RcloneServer::Kind::Sftp, RcloneServer::Kind::WebDav),
                         [](const auto& info) {
                             return info.param == RcloneServer::Kind::Sftp ? "Sftp" : "WebDav";
                         });

class PublishErrors : public ::testing::Test, protected PublishFolder {};

TEST_F(PublishErrors, RcloneMissingAndAnUnknownRemote) {
    WriteSources(0);
    EXPECT_EQ(Send(Show(3), "nowhere:x"), 1);
    EXPECT_TRUE(errText.contains("There is no remote named \"nowhere\"")) << errText.toStdString();
    rclone.program = dir.filePath("no-rclone-here");
    EXPECT_EQ(Send(Show(3), "nowhere:x"), 1);
    EXPECT_TRUE(errText.contains("Debian package \"rclone\"")) << errText.toStdString();
    EXPECT_EQ(Send(Show(3), ""), 2);
    // Nothing is left in the cache.
    EXPECT_TRUE(QDir(dir.filePath("cache/publish")).isEmpty());
}
} // namespace
