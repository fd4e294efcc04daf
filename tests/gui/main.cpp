// Window tests run the real windows on Qt's offscreen platform; every dialog
// is answered by a ScriptedPrompter.
#include "captionstyle/ui/SampleBrowser.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // As the program does; run as root, the browser tests show that it turns
    // the engine's sandbox off itself.
    if (::geteuid() == 0)
        qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    PrepareSampleBrowser();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pevrano Slide Show"));
    QApplication::setOrganizationName(QStringLiteral("Pevrano"));
    // The test programs sit in the program folder: its HEIC reader serves them.
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
