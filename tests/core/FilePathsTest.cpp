// The rules for file names: the paths the tool reads and the names it makes.
#include "platform/FilePaths.h"
#include "compiler/NameRules.h"
#include "core/PrintQt.h"

#include <gtest/gtest.h>

TEST(FilePaths, FileExtensionTakesLastDotOfFileName) {
    EXPECT_EQ(FileExtension("C:\\Photos\\Beach.JPG"), ".jpg");
    EXPECT_EQ(FileExtension("/music/song.Mid"), ".mid");
    EXPECT_EQ(FileExtension("C:\\My.Pictures\\x.y.GIF"), ".gif");
    EXPECT_EQ(FileExtension("/home/me/My.Pictures/x.y.GIF"), ".gif");
    // A dot in a folder name is no extension of the file.
    EXPECT_EQ(FileExtension("/home/My.Pictures/photo"), "");
    EXPECT_EQ(FileExtension("noext"), "");
}

TEST(FilePaths, NameAndFolderSplitAtEitherSeparator) {
    EXPECT_EQ(GetJustFileName("C:\\Program\\wood.gif"), "wood.gif");
    EXPECT_EQ(GetJustFileName("/usr/share/pevrano/Film.GIF"), "Film.GIF");
    EXPECT_EQ(GetJustFileName("/mixed\\dir/a\\b.jpg"), "b.jpg");
    EXPECT_EQ(GetJustFileName("plain.gif"), "plain.gif");
    EXPECT_EQ(GetFileDirectory("/home/ann/trip.gif/beach.jpeg"), "/home/ann/trip.gif/");
    EXPECT_EQ(GetFileDirectory("C:\\pics\\a.jpg"), "C:\\pics\\");
    EXPECT_EQ(GetFileDirectory("a.jpg"), "");
}

TEST(FilePaths, JoiningPutsOneSeparatorBetween) {
    EXPECT_EQ(WithTrailingSeparator("/"), "/");
    EXPECT_EQ(WithTrailingSeparator("/srv/shows"), "/srv/shows/");
    EXPECT_EQ(WithTrailingSeparator("/srv/shows/"), "/srv/shows/");
    EXPECT_EQ(InFolder("/srv/show", "pix"), "/srv/show/pix");
    EXPECT_EQ(InFolder("C:\\show\\", "pix"), "C:\\show\\pix");
}

TEST(FilePaths, PictureExtensions) {
    EXPECT_TRUE(HasPictureExtension("/x/A.JPEG"));
    EXPECT_TRUE(HasPictureExtension("/x/a.Bmp"));
    EXPECT_FALSE(HasPictureExtension("/x/trip.gif/holiday"));
    EXPECT_FALSE(HasPictureExtension("/x/a.png"));
    EXPECT_FALSE(HasPictureExtension("/x/ajpg"));
}

TEST(NameRules, DropsPathCharactersDotsAndControls) {
    EXPECT_EQ(FilterNameText("a?b\\c:d*e<f>g|h.i/j"), "abcdefghij");
    EXPECT_EQ(FilterNameText("../../etc/passwd"), "etcpasswd");
    EXPECT_EQ(FilterNameText("My Show, 2024 (final)!"), "My Show, 2024 (final)!");
    EXPECT_EQ(FilterNameText("..."), "");
    // Control characters go too, NUL among them.
    EXPECT_EQ(FilterNameText(QString("tr") + QChar(0) + "ip\t\r\n\x7f" + QChar(0x85)), "trip");
}

TEST(NameRules, ProposedNamesUseEnglishMonthAndTwoDigitDay) {
    EXPECT_EQ(ProposedPageName(QDate(2024, 3, 5)), "Slide Show March 05, 2024");
    EXPECT_EQ(ProposedPageName(QDate(1999, 12, 31)), "Slide Show December 31, 1999");
    EXPECT_EQ(ProposedFolderName(""), "Folder Name");
    EXPECT_EQ(ProposedFolderName("holiday"), "holiday");
}
