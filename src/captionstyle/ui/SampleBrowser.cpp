#include "captionstyle/ui/SampleBrowser.h"

#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace {
// Loaded once and kept for the life of the process: the web engine cannot be
// unloaded once started.
QLibrary& BrowserModule() {
    static QLibrary module(QDir(ProgramFolder()).filePath(QStringLiteral("pevrano_webview")));
    return module;
}
} // namespace

std::unique_ptr<SampleBrowser> CreateSampleBrowser(QWidget* parent, QString* error) {
    QLibrary& module = BrowserModule();
    const auto create =
        reinterpret_cast<SampleBrowserFactory>(module.resolve(kSampleBrowserFactory));
    if (!create) {
        if (error)
            *error = module.errorString();
        return nullptr;
    }
    return std::unique_ptr<SampleBrowser>(create(parent));
}

bool SampleBrowserLoaded() {
    return BrowserModule().isLoaded();
}

void PrepareSampleBrowser() {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    PrepareSampleBrowserSandbox();
}
