#include "project/ShowSettings.h"

#include <QDir>

ShowSettings ShowSettings::FirstStart(const QString& programFolder) {
    ShowSettings s;
    const QString folder = QDir::toNativeSeparators(programFolder);
    s.OpenPgBkPic = folder + QDir::separator() + QStringLiteral("wood.gif");
    s.NewBkPicture = folder + QDir::separator() + QStringLiteral("clouds.jpg");
    return s;
}
