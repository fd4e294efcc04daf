#include "colortool/SchemeCommands.h"
#include "ColorToolFixture.h"
#include "colortool/ColorSchemeFile.h"

namespace {
struct Schemes : ColorToolTest {
    SchemeCommands commands{chart, ui, dir.path()};
    Schemes() {
        for (int k = 0; k < 14; ++k)
            chart.boxes[std::size_t(21 + k)] = RgbColor(k, 255, 128);
    }
};
} // namespace

TEST_F(Schemes, ExportWritesFourteenQuotedLinesAndAsksBeforeOverwriting) {
    QString name = "Autumn";
    EXPECT_TRUE(commands.exportScheme(name).closeWindow);
    EXPECT_EQ(name, "Autumn.col");
    const QByteArray written = read("Autumn.col");
    EXPECT_TRUE(written.startsWith("\"00FF80\"\r\n\"01FF80\"\r\n"));

    chart.boxes[21] = 0;
    name = "Autumn";
    ui.queueMessageAnswer(MsgResult::No);
    EXPECT_FALSE(commands.exportScheme(name).closeWindow);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].title, "Use this file... Autumn.col---- Select an Option! ");
    EXPECT_EQ(read("Autumn.col"), written);
    ui.queueMessageAnswer(MsgResult::Yes);
    EXPECT_TRUE(commands.exportScheme(name).closeWindow);
    EXPECT_TRUE(read("Autumn.col").startsWith("\"000000\"\r\n"));
}

TEST_F(Schemes, NamesOutsideTheFolderAndFailedWritesAreRefused) {
    for (QString name : {"../x", "a\\b", ".."}) {
        ui.clear();
        EXPECT_FALSE(commands.exportScheme(name).closeWindow) << name.toStdString();
        ASSERT_EQ(ui.messages().size(), 1u);
        EXPECT_EQ(ui.messages()[0].title, "No file Name!");
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("../x.col")));
    QString empty;
    commands.exportScheme(empty);
    EXPECT_EQ(ui.messages().back().text, "You must name the file!");

    // A folder that vanished: the export says so instead of closing.
    SchemeCommands lost{chart, ui, dir.filePath("gone")};
    QString name = "Winter";
    ui.clear();
    EXPECT_FALSE(lost.exportScheme(name).closeWindow);
    EXPECT_EQ(ui.messages().at(0).title, "File Error");
}

TEST_F(Schemes, ImportTakesWhatItReadsAndReportsShortFiles) {
    write("Gaps.col", "\"FF0000\"\r\n\"00FF00\"\r\n\"0000FF\"\r\n\r\n" +
                          QByteArray("\"123456\"\r\n").repeated(10));
    EXPECT_TRUE(commands.importScheme("Gaps.col").closeWindow);
    EXPECT_EQ(chart.boxes[24], kWindowFaceColor);
    EXPECT_EQ(host.palette[2], RgbColor(0, 0, 255));

    write("Short.col", "\"ABCDEF\"\r\n\"FEDCBA\"\r\n");
    EXPECT_FALSE(commands.importScheme("Short.col").closeWindow);
    EXPECT_EQ(host.palette[1], RgbColor(0xFE, 0xDC, 0xBA));
    EXPECT_EQ(host.palette[2], RgbColor(0, 0, 255)); // kept from before
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, "Error Openning File");
    EXPECT_EQ(ui.messages()[0].title, "File Error, Does this file exist?");
}

// Importing a FIFO named like a scheme: refused at once, with the message
// of a file that cannot be read.
TEST_F(Schemes, ImportOfAFifoIsRefusedWithoutWaiting) {
    ASSERT_TRUE(MakeFifo(dir.filePath("Pipe.col")));
    FifoWatchdog watchdog(dir.filePath("Pipe.col"));
    EXPECT_FALSE(commands.importScheme("Pipe.col").closeWindow);
    EXPECT_FALSE(watchdog.fired());
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, "Error Openning File");
}

TEST_F(Schemes, DeleteRefusesTheSystemFileAndReportsFailures) {
    write("UserDefColors.col", "");
    write("Old.col", "");
    QDir(dir.path()).mkdir("Folder.col");
    QStringList listed = commands.FindFilesInSingleDir();
    EXPECT_EQ(listed, (QStringList{"Old.col", "UserDefColors.col"}));

    commands.deleteScheme("UserDefColors.col", listed);
    EXPECT_EQ(ui.messages().back().title, "System File, Can Not Delete!");
    EXPECT_TRUE(QFile::exists(dir.filePath("UserDefColors.col")));

    ui.queueMessageAnswer(MsgResult::Yes);
    EXPECT_TRUE(commands.deleteScheme("Old.col", listed).emptyName);
    EXPECT_FALSE(QFile::exists(dir.filePath("Old.col")));
    EXPECT_EQ(listed, QStringList{"UserDefColors.col"});

    // A listed name that can no longer be removed (a folder took its place).
    listed << "Folder.col";
    QFile(dir.filePath("Folder.col/inside")).open(QIODevice::WriteOnly);
    ui.queueMessageAnswer(MsgResult::Yes);
    commands.deleteScheme("Folder.col", listed);
    EXPECT_EQ(ui.messages().back().title, "File Error");
    EXPECT_TRUE(listed.contains("Folder.col"));
}
