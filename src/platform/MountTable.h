#pragma once

#include "platform/FileSystem.h"

#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

// The kernel's table of mounted file systems, read from /proc/self/mountinfo
// (or /proc/mounts), and what it tells about the medium under a directory.

struct MountEntry {
    QString mountPoint; // with the table's octal escapes (\040 ...) decoded
    QString fsType;     // "ext4", "iso9660", "fuse.sshfs" ...
    QString source;     // "/dev/sdb1", "server:/export", "tmpfs" ...
    QString device;     // "major:minor"; empty when the table does not say

    friend bool operator==(const MountEntry&, const MountEntry&) = default;
};

// Parses the text of /proc/self/mountinfo. Lines that do not fit are skipped.
std::vector<MountEntry> ParseMountInfo(QStringView text);
// Parses the text of /proc/mounts (the fstab layout). Lines that do not fit
// are skipped.
std::vector<MountEntry> ParseProcMounts(QStringView text);

// The mount that holds an absolute, resolved path: the longest mount point
// that is the path or one of its parent folders; of equal ones the last
// mounted, which hides the others.
std::optional<MountEntry> MountHolding(const std::vector<MountEntry>& mounts, const QString& path);

// Whether the block device of a mount is removable: sysfs' "removable" flag
// of the device, or for a partition that of the disk holding it. sysRoot is
// normally "/sys".
bool IsRemovableDevice(const MountEntry& mount, const QString& sysRoot);

// Optical file systems are the CD-ROM case, network file systems the network
// case; otherwise a removable device is Removable and anything else Fixed.
DriveType ClassifyMount(const MountEntry& mount, bool removableDevice);
