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
    EXPECT_TRUE(HasPictureExtension("/x/A.JPEG"));
    EXPECT_FALSE(HasPictureExtension("/x/trip.gif/holiday"));
    for (const char* name : {"a.png", "b.WebP", "c.tif", "d.TIFF", "e.heic", "f.HEIF"})
        EXPECT_TRUE(HasPictureExtension(QStringLiteral("/x/") + name)) << name;
    EXPECT_TRUE(HasPictureExtension("/x/a.avif"));
    EXPECT_FALSE(HasPictureExtension("/x/a.heic.txt"));
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

// WebP, TIFF and HEIC copies are JPEG, and named so; the rest keep their
// extension, as the song does whatever its name.
TEST(PixNames, PicturesWrittenAsJpegAreNamedSo) {
    EXPECT_EQ(PixPictureName(3, "/a/Photo.WebP"), "pic3.jpg");
    EXPECT_EQ(PixPictureName(4, "/a/scan.tiff"), "pic4.jpg");
    EXPECT_EQ(PixPictureName(5, "/a/b.png"), "pic5.png");
    EXPECT_EQ(PixSlideBackgroundName(2, "/a/wall.HEIC"), "bkimg2.jpg");
    EXPECT_EQ(PixSharedBackgroundName("/a/wall.heif"), "bgimg.jpg");
    EXPECT_EQ(PixOpeningPictureName("/a/My.Door.TIF"), "my.door.jpg");
    EXPECT_EQ(PixOpeningPictureName("/a/Wood.GIF"), "wood.gif");
    EXPECT_EQ(PixSongName("/a/tune.tif"), "thesong.tif");
}
