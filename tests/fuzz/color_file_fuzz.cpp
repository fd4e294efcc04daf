// The colour files: a scheme file and the user colours read at start-up,
// from any bytes.
#include "colortool/ColorSchemeFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // In memory where the system offers it: the file is rewritten every run.
    static QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                    ? QStringLiteral("/dev/shm/pevrano-fuzz-XXXXXX")
                                    : QDir::tempPath() + QStringLiteral("/pevrano-fuzz-XXXXXX"));
    static const QString path = folder.filePath(kUserColorsFile);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();
    const ColorSchemeRead scheme = ReadColorScheme(path, kUserColorCount);
    if (scheme.colors.size() > kUserColorCount ||
        (scheme.complete && scheme.colors.size() != kUserColorCount))
        std::abort();
    for (ColorValue c : LoadUserColors(folder.path()))
        if (c > 0xFFFFFF)
            std::abort();
    return 0;
}
