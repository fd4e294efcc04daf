#include "colortool/ColorSchemeFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
struct SchemeFiles : ::testing::Test {
    QTemporaryDir dir;
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
};
} // namespace

TEST(ColorSchemeField, DigitsAreRedGreenBlue) {
    EXPECT_EQ(ColorFromSchemeField("00FF80"), RgbColor(0, 255, 128));
    EXPECT_EQ(ColorFromSchemeField("ff0005"), RgbColor(255, 0, 5));
    EXPECT_EQ(ColorFromSchemeField(""), kWindowFaceColor);
    EXPECT_EQ(ColorFromSchemeField("GG0000"), std::nullopt);
    EXPECT_EQ(ColorFromSchemeField("+12345"), std::nullopt);
    EXPECT_EQ(ColorFromSchemeField("0x1234"), std::nullopt);
}

// The file we ship is complete and holds the program's own user colours.
TEST(ColorSchemeFile, ShippedUserColorsAreCompleteAndMatchTheDefaults) {
    const QString source = qEnvironmentVariable("PEVRANO_SOURCE_DIR");
    ASSERT_FALSE(source.isEmpty());
    const ColorSchemeRead read =
        ReadColorScheme(QDir(source).filePath("assets/data/UserDefColors.col"), kUserColorCount);
    ASSERT_TRUE(read.complete);
    const UserColors defaults = DefaultUserColors();
    ASSERT_EQ(read.colors.size(), kUserColorCount);
    for (int k = 0; k < kUserColorCount; ++k)
        EXPECT_EQ(read.colors[k], defaults[static_cast<std::size_t>(k)]) << "line " << k + 1;
}

TEST_F(SchemeFiles, MissingFileGivesTheWindowFaceColor) {
    const ColorSchemeRead read = ReadColorScheme(dir.filePath("nothing.col"), 14);
    EXPECT_FALSE(read.complete);
    EXPECT_TRUE(read.colors.isEmpty());
    UserColors windowFace;
    windowFace.fill(kWindowFaceColor);
    EXPECT_EQ(LoadUserColors(dir.path()), windowFace);
}

TEST_F(SchemeFiles, ShortFileKeepsItsColorsAndFillsTheRest) {
    write(kUserColorsFile, "\"FF0000\"\r\n00FF00\r\n\"0000FF\"\r\n");
    const ColorSchemeRead read = ReadColorScheme(dir.filePath(kUserColorsFile), 14);
    EXPECT_FALSE(read.complete);
    ASSERT_EQ(read.colors.size(), 3);
    const UserColors palette = LoadUserColors(dir.path());
    EXPECT_EQ(palette[0], RgbColor(255, 0, 0));
    EXPECT_EQ(palette[1], RgbColor(0, 255, 0));
    EXPECT_EQ(palette[2], RgbColor(0, 0, 255));
    for (std::size_t k = 3; k < 14; ++k)
        EXPECT_EQ(palette[k], kWindowFaceColor);
}

TEST_F(SchemeFiles, EmptyRecordIsWindowFaceAndBadRecordStopsReading) {
    QByteArray text;
    for (int k = 0; k < 14; ++k)
        text += k == 3 ? "\r\n" : k == 6 ? "\"NOTHEX\"\r\n" : "\"123456\"\r\n";
    write("odd.col", text);
    const ColorSchemeRead read = ReadColorScheme(dir.filePath("odd.col"), 14);
    EXPECT_FALSE(read.complete);
    ASSERT_EQ(read.colors.size(), 6);
    EXPECT_EQ(read.colors[3], kWindowFaceColor);
    EXPECT_EQ(read.colors[5], RgbColor(0x12, 0x34, 0x56));
}

TEST_F(SchemeFiles, WriterProducesQuotedRgbLinesThatReadBack) {
    const QList<ColorValue> colors{RgbColor(0, 255, 128), RgbColor(255, 0, 5), RgbColor(1, 2, 3)};
    const QString path = dir.filePath("Autumn.col");
    ASSERT_TRUE(WriteColorScheme(path, colors));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("\"00FF80\"\r\n\"FF0005\"\r\n\"010203\"\r\n"));
    const ColorSchemeRead read = ReadColorScheme(path, 3);
    EXPECT_TRUE(read.complete);
    EXPECT_EQ(read.colors, colors);
    EXPECT_FALSE(WriteColorScheme(dir.filePath("no/such/folder/x.col"), colors));
}
