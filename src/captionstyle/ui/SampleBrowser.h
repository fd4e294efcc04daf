#pragma once

#include <QString>
#include <QUrl>
#include <QVariant>
#include <QtGlobal>
#include <functional>
#include <memory>
#include <unistd.h>

class QWidget;

// The embedded browser that shows the caption sample page. The web engine is
// large (its libraries alone are some 150 MB and it starts helper processes),
// so it lives in a module of its own that is loaded the first time a browser
// is asked for; the main window's start-up never maps it.
//
// The interface is plain C++ so the module needs nothing of the program but
// this header.
class SampleBrowser {
public:
    virtual ~SampleBrowser() = default;
    // The view; it belongs to the parent given to CreateSampleBrowser.
    virtual QWidget* widget() = 0;
    // Shows the page; `finished` runs once it has loaded (or failed to).
    virtual void navigate(const QUrl& url, std::function<void(bool ok)> finished) = 0;
    // Runs a script in the shown page and hands its result back.
    virtual void runScript(const QString& script,
                           std::function<void(const QVariant& result)> result) = 0;
};

// The name of the module's one entry point, and its type.
inline constexpr const char* kSampleBrowserFactory = "PevranoCreateSampleBrowser";
using SampleBrowserFactory = SampleBrowser* (*)(QWidget* parent);

// Loads the browser module on first use and makes a browser inside `parent`.
// nullptr, with `error` set, when the module cannot be loaded.
std::unique_ptr<SampleBrowser> CreateSampleBrowser(QWidget* parent, QString* error = nullptr);

// Whether the browser module (and so the web engine) has been loaded in this
// process.
bool SampleBrowserLoaded();

// What the web engine needs before the application object is made: contexts
// shared with the windows, and the sandbox set up (below).
void PrepareSampleBrowser();

// The engine's sandbox refuses to start for the superuser, and the engine
// then ends the whole program: run as root, the sandbox is turned off (as the
// engine's own QTWEBENGINE_DISABLE_SANDBOX does) before the engine starts.
// Header-only, so the module calls it too.
inline void PrepareSampleBrowserSandbox() {
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}
