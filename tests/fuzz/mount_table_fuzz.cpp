// The mount table of /proc, in both layouts, and what is judged from it.
#include "platform/MountTable.h"

#include <QString>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const auto& mounts : {ParseMountInfo(text), ParseProcMounts(text)}) {
        for (const MountEntry& m : mounts) {
            (void)ClassifyMount(m, false);
            (void)IsRemovableDevice(m, QStringLiteral("/nonexistent-sys"));
        }
        (void)MountHolding(mounts, QStringLiteral("/home/ann/shows"));
        (void)MountHolding(mounts, QStringLiteral("/"));
    }
    return 0;
}
