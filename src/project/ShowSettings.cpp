#include "project/ShowSettings.h"

#include <QDir>

ShowSettings ShowSettings::FirstStart(const QString& programFolder, const QString& homeFolder) {
    ShowSettings s;
    const QString folder = QDir::toNativeSeparators(programFolder);
    s.OpenPgBkPic = folder + QDir::separator() + QStringLiteral("wood.gif");
    s.NewBkPicture = folder + QDir::separator() + QStringLiteral("clouds.jpg");
    s.MusicDir = QDir::toNativeSeparators(homeFolder);
    return s;
}
