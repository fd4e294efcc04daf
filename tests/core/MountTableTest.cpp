#include "platform/MountTable.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kMountInfo = QStringLiteral(
    "22 27 0:21 / /proc rw,relatime - proc proc rw\n"
    "27 1 254:0 / / rw,relatime shared:1 - ext4 /dev/vda rw,discard\n"
    "40 27 8:17 / /media/usb\\040stick rw,nosuid shared:7 master:2 - vfat /dev/sdb1 rw\n"
    "41 27 11:0 / /media/cdrom ro,nosuid - iso9660 /dev/sr0 ro\n"
    "42 27 11:1 / /media/dvd ro - udf /dev/sr1 ro\n"
    "43 27 0:50 / /srv/share rw - nfs4 server:/export rw\n"
    "44 27 0:51 / /home/me/remote rw - fuse.sshfs me@host: rw\n"
    "garbage line\n"
    "45 27 254:0 /sub /media/cd rw - ext4 /dev/vda rw\n"
    "46 41 0:52 / /media/cdrom rw - tmpfs tmpfs rw\n");

std::string TypeAt(const std::vector<MountEntry>& table, const char* path) {
    const auto m = MountHolding(table, QString::fromUtf8(path));
    return m ? m->fsType.toStdString() : "<none>";
}

} // namespace

TEST(MountTable, MountInfoFieldsWithOptionalFieldsAndEscapes) {
    const auto table = ParseMountInfo(kMountInfo);
    ASSERT_EQ(table.size(), 9u); // the garbage line is skipped
    EXPECT_EQ(table[2], (MountEntry{"/media/usb stick", "vfat", "/dev/sdb1", "8:17"}));
    EXPECT_EQ(table[3], (MountEntry{"/media/cdrom", "iso9660", "/dev/sr0", "11:0"}));
    EXPECT_EQ(table[5], (MountEntry{"/srv/share", "nfs4", "server:/export", "0:50"}));
}

TEST(MountTable, ProcMountsLayout) {
    const auto table = ParseProcMounts(QStringLiteral("/dev/vda / ext4 rw 0 0\n"
                                                      "/dev/sr0 /mnt/my\\134disc iso9660 ro 0 0\n"
                                                      "short\n"));
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[1], (MountEntry{"/mnt/my\\disc", "iso9660", "/dev/sr0", ""}));
}

TEST(MountTable, LongestWholeFolderPrefixHoldsThePath) {
    const auto table = ParseMountInfo(kMountInfo);
    EXPECT_EQ(TypeAt(table, "/home/me/pictures"), "ext4");
    EXPECT_EQ(TypeAt(table, "/"), "ext4");
    EXPECT_EQ(TypeAt(table, "/media/usb stick/photos"), "vfat");
    EXPECT_EQ(TypeAt(table, "/media/usb stick"), "vfat");
    // "/media/cd" is a mount of its own, not a prefix of "/media/cdrom".
    EXPECT_EQ(TypeAt(table, "/media/cd/x"), "ext4");
    EXPECT_EQ(TypeAt(table, "/media/dvd/video"), "udf");
    // Of two mounts at one place the later one hides the earlier.
    EXPECT_EQ(TypeAt(table, "/media/cdrom/x"), "tmpfs");
    EXPECT_EQ(TypeAt(ParseMountInfo(QStringLiteral("1 0 0:1 / /a rw - ext4 x rw\n")), "/b"),
              "<none>");
}

TEST(MountTable, ClassifiesOpticalNetworkRemovableAndFixed) {
    const auto table = ParseMountInfo(kMountInfo);
    EXPECT_EQ(ClassifyMount(table[3], true), DriveType::CdRom);
    EXPECT_EQ(ClassifyMount(table[4], false), DriveType::CdRom);
    EXPECT_EQ(ClassifyMount(table[5], false), DriveType::Network);
    EXPECT_EQ(ClassifyMount(table[6], false), DriveType::Network);
    EXPECT_EQ(ClassifyMount(table[2], true), DriveType::Removable);
    EXPECT_EQ(ClassifyMount(table[1], false), DriveType::Fixed);
}

// A small sysfs: a removable disk sdb with partition sdb1, a fixed disk vda,
// linked from class/block and dev/block as the kernel does.
TEST(MountTable, RemovableFlagOfTheDeviceOrItsDisk) {
    QTemporaryDir sys;
    ASSERT_TRUE(sys.isValid());
    const QString root = sys.path();
    const QString devices = root + "/devices/pci0/usb1";
    ASSERT_TRUE(QDir().mkpath(root + "/class/block"));
    ASSERT_TRUE(QDir().mkpath(root + "/dev/block"));
    WriteFile(devices + "/sdb/removable", "1\n");
    WriteFile(devices + "/sdb/sdb1/partition", "1\n");
    WriteFile(root + "/devices/virtio0/vda/removable", "0\n");
    ASSERT_TRUE(QFile::link(devices + "/sdb/sdb1", root + "/class/block/sdb1"));
    ASSERT_TRUE(QFile::link(devices + "/sdb", root + "/class/block/sdb"));
    ASSERT_TRUE(QFile::link(root + "/devices/virtio0/vda", root + "/dev/block/254:0"));

    // By device number, then by name; a partition asks its disk.
    EXPECT_TRUE(IsRemovableDevice({"/m", "vfat", "/dev/sdb1", ""}, root));
    EXPECT_TRUE(IsRemovableDevice({"/m", "vfat", "/dev/sdb", "8:16"}, root));
    EXPECT_FALSE(IsRemovableDevice({"/", "ext4", "/dev/root", "254:0"}, root));
    EXPECT_FALSE(IsRemovableDevice({"/t", "tmpfs", "tmpfs", "0:30"}, root));
    EXPECT_FALSE(IsRemovableDevice({"/n", "nfs", "server:/x", ""}, root));
}
