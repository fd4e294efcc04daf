#include "support/ProgramVersion.h"

#include <QSysInfo>

#ifndef PEVRANO_VERSION
#define PEVRANO_VERSION "0.0.0"
#endif

QString ProgramVersion() {
    return QStringLiteral(PEVRANO_VERSION);
}

QString PlatformText() {
#if defined(Q_OS_LINUX)
    const QString system = QStringLiteral("Linux");
#elif defined(Q_OS_WIN)
    const QString system = QStringLiteral("Windows");
#elif defined(Q_OS_MACOS)
    const QString system = QStringLiteral("macOS");
#else
    const QString system = QSysInfo::kernelType();
#endif
    // The desktop platforms Qt brings this build to, on the processor it was
    // built for.
    return system + QStringLiteral(" desktops (") + QSysInfo::buildCpuArchitecture() +
           QLatin1Char(')');
}
