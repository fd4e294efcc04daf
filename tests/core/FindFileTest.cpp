#include "ScriptedPrompter.h"
#include "support/FileTimeText.h"
#include "support/clsFindFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
struct FindFile : ::testing::Test {
    QTemporaryDir dir;
    ScriptedPrompter ui;
    clsFindFile finder{&ui};
    void touch(const QString& name) { QFile(dir.filePath(name)).open(QIODevice::WriteOnly); }
};
} // namespace

TEST_F(FindFile, WalksTheMatchesAndEndsEmpty) {
    touch("a.col");
    touch("B.COL");
    touch("c.txt");
    QDir(dir.path()).mkdir("d.col");
    QStringList found;
    for (QString n = finder.Find(dir.filePath("?.col"), true); !n.isEmpty(); n = finder.FindNext())
        found << n + (finder.FileAttributes() == clsFindFile::kDirectory ? "/" : "");
    EXPECT_EQ(found, (QStringList{"B.COL", "a.col", "d.col/"}));
    EXPECT_FALSE(finder.searchOpen());
    EXPECT_EQ(finder.FindNext(), "");

    EXPECT_EQ(finder.Find(dir.filePath("*.none"), true), "");
    EXPECT_EQ(ui.messages().back().text, dir.filePath("*.none") + " could not be found!");

    // A second Find with messages off restarts; with them on it asks first.
    EXPECT_EQ(finder.Find(dir.filePath("*.col"), false), "B.COL");
    EXPECT_EQ(finder.FindNext(), "a.col");
    EXPECT_EQ(finder.Find(dir.filePath("*.col"), false), "B.COL");
    ui.queueMessageAnswer(MsgResult::No);
    EXPECT_EQ(finder.Find(dir.filePath("c.*"), true), "");
    EXPECT_EQ(ui.messages().back().text, "Cancel the current search?");
    EXPECT_EQ(finder.FindNext(), "a.col");
}

TEST_F(FindFile, DateTextsFollowTheFormat) {
    touch("x.col");
    QFile file(dir.filePath("x.col"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2002, 3, 5), QTime(14, 7, 9)),
                                 QFileDevice::FileModificationTime));
    file.close();
    EXPECT_EQ(finder.GetLastWriteDate(), "");
    ASSERT_EQ(finder.Find(dir.filePath("x.col"), false), "x.col");
    EXPECT_EQ(finder.GetLastWriteDate(), "3/5/02 2:07:09 PM");
    finder.setDateFormat("yyyy-mm-dd hh:nn, dddd mmm");
    EXPECT_EQ(finder.GetLastWriteDate(), "2002-03-05 14:07, Tuesday Mar");
    EXPECT_FALSE(FileTimeRecorded(QDateTime(QDate(1601, 1, 1), QTime(0, 7), Qt::UTC)));
    EXPECT_TRUE(FileTimeRecorded(QDateTime(QDate(1601, 1, 1), QTime(0, 8), Qt::UTC)));
    EXPECT_EQ(FormatFileTime(QDateTime(QDate(2020, 1, 1), QTime(0, 5)), "h:m am/pm"), "12:5 am");
}
