// The rules for file names: the paths the tool reads and the names it makes.
#include "platform/FilePaths.h"
#include "compiler/NameRules.h"
#include "compiler/PixNames.h"
#include "core/PrintQt.h"

#include <gtest/gtest.h>

// Either separator ends a folder; a dot in a folder name is no extension.
TEST(FilePaths, NamesFoldersAndExtensionsSplitAtEitherSeparator) {
    EXPECT_EQ(FileExtension("C:\\My.Pictures\\x.y.GIF"), ".gif");
    EXPECT_EQ(FileExtension("/home/My.Pictures/photo"), "");
    EXPECT_EQ(GetJustFileName("/mixed\\dir/a\\b.jpg"), "b.jpg");
    EXPECT_EQ(GetJustFileName("plain.gif"), "plain.gif");
    EXPECT_EQ(GetFileDirectory("/home/ann/trip.gif/beach.jpeg"), "/home/ann/trip.gif/");
    EXPECT_EQ(GetFileDirectory("a.jpg"), "");
    EXPECT_EQ(WithTrailingSeparator("/"), "/");
    EXPECT_EQ(WithTrailingSeparator("/srv/shows"), "/srv/shows/");
    EXPECT_EQ(InFolder("C:\\show\\", "pix"), "C:\\show\\pix");
    for (const char* name :
         {"A.JPEG", "a.png", "b.WebP", "c.tif", "d.TIFF", "e.heic", "f.HEIF", "a.avif"})
        EXPECT_TRUE(HasPictureExtension(QStringLiteral("/x/") + name)) << name;
    for (const char* name : {"trip.gif/holiday", "a.heic.txt"})
        EXPECT_FALSE(HasPictureExtension(QStringLiteral("/x/") + name)) << name;
    EXPECT_EQ(PictureNamePatterns().size(), 11);
    EXPECT_TRUE(PictureNamePatterns().contains("*.heif"));
}

TEST(NameRules, DropsPathCharactersDotsAndControls) {
    EXPECT_EQ(FilterNameText("a?b\\c:d*e<f>g|h.i/j"), "abcdefghij");
    EXPECT_EQ(FilterNameText("My Show, 2024 (final)!"), "My Show, 2024 (final)!");
    EXPECT_EQ(FilterNameText("..."), "");
    // Control characters go too, NUL among them.
    EXPECT_EQ(FilterNameText(QString("tr") + QChar(0) + "ip\t\r\n\x7f" + QChar(0x85)), "trip");
}

TEST(NameRules, ProposedNamesUseEnglishMonthAndTwoDigitDay) {
    EXPECT_EQ(ProposedPageName(QDate(2024, 3, 5)), "Slide Show March 05, 2024");
    EXPECT_EQ(ProposedFolderName(""), "Folder Name");
    EXPECT_EQ(ProposedFolderName("holiday"), "holiday");
}

// The content names the copy: its own extension where it names that format,
// the format's otherwise; what browsers do not all show is JPEG.
TEST(PixNames, TheContentNamesTheCopy) {
    const struct {
        const char* source;
        PictureFormat content;
        const char* ext;
    } cases[] = {
        {"/a/Photo.WebP", PictureFormat::WebP, ".jpg"},
        {"/a/scan.tiff", PictureFormat::Tiff, ".jpg"},
        {"/a/b.png", PictureFormat::Png, ".png"},
        {"/a/b.jpg", PictureFormat::Png, ".png"},
        {"/a/B.JPEG", PictureFormat::Jpeg, ".jpeg"},
        {"/a/c.heic.jpg", PictureFormat::Heif, ".jpg"},
        {"/a/noname", PictureFormat::Gif, ".gif"},
        {"/a/x.gif", PictureFormat::Bmp, ".bmp"},
        {"/a/x.avif", PictureFormat::Avif, ".jpg"},
        {"/a/x.DIB", PictureFormat::Bmp, ".dib"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PixPictureExtension(c.source, c.content), c.ext) << c.source;
}
