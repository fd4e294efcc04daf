// The publish's own rules, without a server: which files a publish sends and
// in what order, the record read back from a remote, rclone's log and
// errors, the configuration edit that carries a password, the addresses.
#include "TestFiles.h"
#include "document/ShowFile.h"
#include "document/ShowFileWriter.h"
#include "publish/PublishPlan.h"
#include "publish/PublishTexts.h"
#include "publish/RcloneLog.h"
#include "publish/RemoteSetup.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
RecordEntry Entry(qint64 size, char c) {
    return {size, QByteArray(64, c)};
}

const PublishRecord kShow{{"trip.htm", Entry(10, 'a')},       {"index.html", Entry(11, 'b')},
                          {"pix/pic1.jpg", Entry(100, 'c')},  {"pix/pic2.jpg", Entry(200, 'd')},
                          {"pix/allcode.js", Entry(50, 'e')}, {"pix/slideshw.htm", Entry(20, 'f')}};
} // namespace

TEST(PublishPlan, FirstPublishSendsEverythingPagesAfterPicturesOpeningPagesLast) {
    const PublishPlan plan = MakePublishPlan(kShow, std::nullopt, {}, "trip.htm");
    EXPECT_EQ(plan.assets, QStringList({"pix/allcode.js", "pix/pic1.jpg", "pix/pic2.jpg"}));
    EXPECT_EQ(plan.pages, QStringList({"pix/slideshw.htm"}));
    EXPECT_EQ(plan.openingPages, QStringList({"trip.htm", "index.html"}));
    EXPECT_EQ(plan.bytesToSend, 391);
    EXPECT_TRUE(plan.removals.isEmpty());
    EXPECT_TRUE(plan.clashes.isEmpty());
    // The claim names every file to send, none confirmed yet.
    EXPECT_EQ(plan.claim.size(), kShow.size());
    for (const RecordEntry& e : plan.claim)
        EXPECT_TRUE(e.sha256.isEmpty());
    EXPECT_EQ(plan.finished, kShow);
}

TEST(PublishPlan, ByContentAgainstTheRecord) {
    const QStringList onRemote = kShow.keys() << "publish.json"
                                              << "notes.txt";
    PublishRecord changed = kShow;
    changed["pix/allcode.js"] = Entry(50, 'x'); // a caption of the same length
    changed.remove("pix/pic2.jpg");             // a removed slide
    changed.insert("pix/pic3.jpg", Entry(5, 'g'));
    PublishRecord record = kShow;
    record["trip.htm"].sha256.clear(); // sent by a publish that stopped
    const PublishPlan plan = MakePublishPlan(changed, record, onRemote, "trip.htm");
    EXPECT_EQ(plan.assets, QStringList({"pix/allcode.js", "pix/pic3.jpg"}));
    EXPECT_TRUE(plan.pages.isEmpty());
    EXPECT_EQ(plan.openingPages, QStringList({"trip.htm"}));
    EXPECT_EQ(plan.removals, QStringList({"pix/pic2.jpg"})); // notes.txt is not ours
    EXPECT_TRUE(plan.clashes.isEmpty());
    EXPECT_TRUE(plan.claim.contains("pix/pic2.jpg")); // removed only at the end
    EXPECT_FALSE(plan.finished.contains("pix/pic2.jpg"));

    // A file of the record that has gone from the remote is sent again.
    QStringList gone = onRemote;
    gone.removeAll("pix/pic1.jpg");
    EXPECT_TRUE(MakePublishPlan(kShow, kShow, gone, "trip.htm").assets.contains("pix/pic1.jpg"));
}

TEST(PublishPlan, AForeignFileWithTheNameOfOneToSendIsAClash) {
    const PublishPlan plan =
        MakePublishPlan(kShow, std::nullopt, {"pix/pic1.jpg", "readme.txt"}, "trip.htm");
    EXPECT_EQ(plan.clashes, QStringList({"pix/pic1.jpg"}));
}

TEST(PublishRecord, ReadBackAndHostilePathsDropped) {
    EXPECT_EQ(ReadRecord(RecordJson(kShow)), kShow);
    const auto read = ReadRecord(R"({"files": [{"path": "../x", "size": 1},
        {"path": "/etc/passwd", "size": 1}, {"path": "a/./b", "size": 1},
        {"path": "pix/pic1.jpg", "size": 3, "sha256": "short"}]})");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->keys(), QStringList({"pix/pic1.jpg"}));
    EXPECT_TRUE(read->value("pix/pic1.jpg").sha256.isEmpty());
    EXPECT_FALSE(ReadRecord("not json"));
}

TEST(PublishRecord, ScanHashesEveryFileBelowTheFolder) {
    QTemporaryDir dir;
    WriteFile(dir.filePath("a.htm"), "abc");
    WriteFile(dir.filePath("pix/b.jpg"), "");
    const auto scanned = ScanFolder(dir.path());
    ASSERT_TRUE(scanned);
    EXPECT_EQ(scanned->keys(), QStringList({"a.htm", "pix/b.jpg"}));
    EXPECT_EQ(scanned->value("a.htm"),
              (RecordEntry{3, "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"}));
}

TEST(RcloneLog, StatisticsAndErrorsInPlainWords) {
    const RcloneLogLine stats = ReadRcloneLogLine(
        R"({"level":"info","msg":"x","stats":{"bytes":600,"totalBytes":1000,"transfers":2,)"
        R"("totalTransfers":4,"speed":300.5,"eta":1}})");
    ASSERT_TRUE(stats.stats);
    EXPECT_EQ(stats.stats->bytes, 600);
    EXPECT_EQ(stats.stats->totalTransfers, 4);
    EXPECT_EQ(
        ReadRcloneLogLine(R"({"level":"error","msg":"Failed to copy: boom ","object":"pix/a.jpg"})")
            .error,
        "pix/a.jpg: Failed to copy: boom");
    EXPECT_EQ(ReadRcloneLogLine("2026/12/07 16:36:23 Failed to create file system for \"nope:x\": "
                                "didn't find section in config file")
                  .error,
              "Failed to create file system for \"nope:x\": didn't find section in config file");

    const struct {
        const char* said;
        RcloneTrouble trouble;
    } table[] = {
        {"didn't find section in config file", RcloneTrouble::UnknownRemote},
        {"ssh: handshake failed: ssh: unable to authenticate", RcloneTrouble::Refused},
        {"read metadata failed: Unauthorized: 401 Unauthorized", RcloneTrouble::Refused},
        {"dial tcp 127.0.0.1:1: connect: connection refused", RcloneTrouble::NotAnswering},
        {"write: no space left on device", RcloneTrouble::Full},
        {"507 Insufficient Storage", RcloneTrouble::Full},
        {"something else", RcloneTrouble::Other},
    };
    for (const auto& row : table)
        EXPECT_EQ(ClassifyRcloneError(row.said), row.trouble) << row.said;
    EXPECT_TRUE(TroubleText(RcloneTrouble::Missing, "x").contains("package \"rclone\""));
}

TEST(RemoteSetup, PasswordGoesIntoItsSection) {
    const QByteArray config = "[a]\ntype = sftp\n\n[b]\ntype = webdav\nuser = u\n";
    EXPECT_EQ(WithConfigValue(config, "b", "pass", "XYZ"),
              "[a]\ntype = sftp\n\n[b]\npass = XYZ\ntype = webdav\nuser = u\n");
    EXPECT_EQ(WithConfigValue("[b]\npass = old\n", "b", "pass", "new"), "[b]\npass = new\n");
    EXPECT_TRUE(IsRemoteName("my site.2"));
    EXPECT_FALSE(IsRemoteName("-x"));
    EXPECT_FALSE(IsRemoteName("a:b"));
    EXPECT_FALSE(IsRemoteName("a/b"));
}

TEST(PublishTexts, AddressesOfTheOpeningPageAndThePlayer) {
    const auto a = AddressesOf("https://example.org/shows", "our trip", "our trip.htm", true);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->openingPage, "https://example.org/shows/our%20trip/our%20trip.htm");
    EXPECT_EQ(a->player, "https://example.org/shows/our%20trip/index.html");
    EXPECT_TRUE(AddressesOf("https://example.org/", "t", "t.htm", false)->player.isEmpty());
    EXPECT_FALSE(AddressesOf("javascript:alert(1)", "t", "t.htm", false));
    EXPECT_FALSE(AddressesOf("", "t", "t.htm", false));
    EXPECT_EQ(ProgressText({2, 4, 1500, 3000, 500, 3}),
              "2 of 4 files, 1.5 kB of 3.0 kB, 500 bytes/s, 3 s left");
}

TEST(PublishTarget, TheShowFileKeepsWhereToAndNothingElse) {
    const auto read = ParseShow(R"({"slides": [], "publish": {"remote": "site", "path": "shows",
        "address": "https://example.org/", "later": 1}})",
                                "/shows", "show.json", {});
    ASSERT_TRUE(std::holds_alternative<LoadedShow>(read));
    const LoadedShow& show = std::get<LoadedShow>(read);
    EXPECT_EQ(show.project.publish, (PublishTarget{"site", "shows", "https://example.org/"}));
    const QByteArray written = ShowFileJson(show.project, "/shows", show.kept);
    const auto again = ParseShow(written, "/shows", "show.json", {});
    ASSERT_TRUE(std::holds_alternative<LoadedShow>(again));
    EXPECT_EQ(std::get<LoadedShow>(again).project.publish, show.project.publish);
    EXPECT_TRUE(written.contains("\"later\": 1"));
    // A show never published writes no publish key.
    EXPECT_FALSE(ShowFileJson(SlideShowProject{}, "/shows").contains("publish"));
}
