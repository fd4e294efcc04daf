#include "platform/ToolSettings.h"

#include "platform/RegularFile.h"

#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QUuid>

namespace {
// Settings on a file of their own folder, removed after the settings are
// written for the last time (a base class is destroyed after the class).
struct ScratchFolder {
    QTemporaryDir dir;
};
class ScratchSettings : private ScratchFolder, public QSettings {
public:
    ScratchSettings()
        : QSettings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat) {}
};

// The folder user settings files live in: asked of settings for a name no file
// has, which read nothing.
QString UserSettingsFolder() {
    const QSettings probe(QSettings::NativeFormat, QSettings::UserScope,
                          QUuid::createUuid().toString(QUuid::WithoutBraces));
    const QFileInfo file(probe.fileName());
    return file.isAbsolute() ? file.absolutePath() : QString();
}

bool Blocked(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !IsRegularFile(path);
}
} // namespace

std::unique_ptr<QSettings> OpenToolSettings(const QString& organization,
                                            const QString& application) {
    const QString folder = UserSettingsFolder();
    // The application's file, and the organization's, which settings read too.
    if (!folder.isEmpty() &&
        (Blocked(folder + QLatin1Char('/') + organization + QLatin1Char('/') + application +
                 QStringLiteral(".conf")) ||
         Blocked(folder + QLatin1Char('/') + organization + QStringLiteral(".conf"))))
        return std::make_unique<ScratchSettings>();
    return std::make_unique<QSettings>(QSettings::UserScope, organization, application);
}
