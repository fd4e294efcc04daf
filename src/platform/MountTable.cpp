#include "platform/MountTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <array>

namespace {

// The tables write blank, tab, newline and backslash in names as a backslash
// and three octal digits.
QString Unescape(QStringView field) {
    QString out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == u'\\' && i + 3 < field.size()) {
            const QStringView digits = field.mid(i + 1, 3);
            bool ok = true;
            int value = 0;
            for (QChar c : digits) {
                ok = ok && c >= u'0' && c <= u'7';
                value = value * 8 + (c.unicode() - u'0');
            }
            if (ok) {
                out += QChar(value);
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

QList<QStringView> Fields(QStringView line) {
    return line.split(u' ', Qt::SkipEmptyParts);
}

template <typename LineParser>
std::vector<MountEntry> ParseLines(QStringView text, LineParser parse) {
    std::vector<MountEntry> out;
    for (QStringView line : text.split(u'\n', Qt::SkipEmptyParts))
        if (std::optional<MountEntry> e = parse(Fields(line.trimmed())))
            out.push_back(std::move(*e));
    return out;
}

bool IsUnder(const QString& path, const QString& mountPoint) {
    if (mountPoint == QLatin1String("/"))
        return path.startsWith(u'/');
    return path == mountPoint ||
           (path.startsWith(mountPoint) && path.at(mountPoint.size()) == u'/');
}

bool ReadsOne(const QString& flagFile) {
    QFile f(flagFile);
    return f.open(QIODevice::ReadOnly) && f.readAll().trimmed() == "1";
}

// The sysfs folder of the mount's block device, resolved, or "" when the
// mount has none (tmpfs, network shares...).
QString DeviceFolder(const MountEntry& mount, const QString& sysRoot) {
    QStringList candidates;
    if (!mount.device.isEmpty())
        candidates << sysRoot + QLatin1String("/dev/block/") + mount.device;
    if (mount.source.startsWith(QLatin1String("/dev/"))) {
        // /dev/disk/by-label/... and similar names are links to the node.
        const QString node = QFileInfo(mount.source).canonicalFilePath();
        const QString name = QFileInfo(node.isEmpty() ? mount.source : node).fileName();
        candidates << sysRoot + QLatin1String("/class/block/") + name;
    }
    for (const QString& c : candidates) {
        const QString resolved = QFileInfo(c).canonicalFilePath();
        if (!resolved.isEmpty())
            return resolved;
    }
    return {};
}

} // namespace

std::vector<MountEntry> ParseMountInfo(QStringView text) {
    return ParseLines(text, [](const QList<QStringView>& f) -> std::optional<MountEntry> {
        // id parent major:minor root mount-point options [optional...] - type source super
        const qsizetype dash = f.indexOf(QStringView(u"-"), 6);
        if (f.size() < 7 || dash < 6 || dash + 2 >= f.size())
            return std::nullopt;
        return MountEntry{Unescape(f[4]), Unescape(f[dash + 1]), Unescape(f[dash + 2]),
                          f[2].toString()};
    });
}

std::vector<MountEntry> ParseProcMounts(QStringView text) {
    return ParseLines(text, [](const QList<QStringView>& f) -> std::optional<MountEntry> {
        // source mount-point type options dump pass
        if (f.size() < 3)
            return std::nullopt;
        return MountEntry{Unescape(f[1]), Unescape(f[2]), Unescape(f[0]), {}};
    });
}

std::optional<MountEntry> MountHolding(const std::vector<MountEntry>& mounts, const QString& path) {
    const MountEntry* best = nullptr;
    for (const MountEntry& m : mounts)
        if (IsUnder(path, m.mountPoint) &&
            (!best || m.mountPoint.size() >= best->mountPoint.size()))
            best = &m;
    if (!best)
        return std::nullopt;
    return *best;
}

bool IsRemovableDevice(const MountEntry& mount, const QString& sysRoot) {
    const QString folder = DeviceFolder(mount, sysRoot);
    if (folder.isEmpty())
        return false;
    // A partition has no flag of its own; its disk is the folder above.
    if (QFileInfo::exists(folder + QLatin1String("/removable")))
        return ReadsOne(folder + QLatin1String("/removable"));
    if (QFileInfo::exists(folder + QLatin1String("/partition")))
        return ReadsOne(QFileInfo(folder).path() + QLatin1String("/removable"));
    return false;
}

DriveType ClassifyMount(const MountEntry& mount, bool removableDevice) {
    static constexpr std::array kOptical{u"iso9660", u"udf"};
    static constexpr std::array kNetwork{u"nfs",        u"nfs4",           u"cifs",      u"smb3",
                                         u"smbfs",      u"ncpfs",          u"afs",       u"coda",
                                         u"9p",         u"ceph",           u"glusterfs", u"davfs",
                                         u"fuse.sshfs", u"fuse.glusterfs", u"fuse.davfs"};
    const QString type = mount.fsType.toLower();
    for (auto t : kOptical)
        if (type == QStringView(t))
            return DriveType::CdRom;
    for (auto t : kNetwork)
        if (type == QStringView(t))
            return DriveType::Network;
    return removableDevice ? DriveType::Removable : DriveType::Fixed;
}
