// The browser module: a QWebEngineView behind the SampleBrowser interface.
#include "captionstyle/ui/SampleBrowser.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>
#include <QtWebEngineQuick>

namespace {
// The page shows what the sets file holds, which is outside data: the page
// may load itself and nothing else, neither another local file nor anything
// from the network.
class OnlyThePage final : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void allow(const QUrl& url) { allowed = url; }
    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        if (info.requestUrl().adjusted(QUrl::RemoveFragment) != allowed)
            info.block(true);
    }

private:
    QUrl allowed;
};

// The sample is a local page: a profile without cache or cookies on disk
// starts quicker and leaves nothing behind. It lives as long as the
// application, after every page that uses it.
struct SampleProfile {
    QWebEngineProfile* profile;
    OnlyThePage* interceptor;
};
const SampleProfile& Profile() {
    static const SampleProfile made = [] {
        auto* p = new QWebEngineProfile(QCoreApplication::instance());
        auto* interceptor = new OnlyThePage(p);
        p->setUrlRequestInterceptor(interceptor);
        QWebEngineSettings* s = p->settings();
        s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
        s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
        s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
        s->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
        s->setAttribute(QWebEngineSettings::JavascriptCanPaste, false);
        s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
        s->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
        s->setAttribute(QWebEngineSettings::LocalStorageEnabled, false);
        s->setAttribute(QWebEngineSettings::WebGLEnabled, false);
        s->setAttribute(QWebEngineSettings::ScreenCaptureEnabled, false);
        s->setAttribute(QWebEngineSettings::AllowRunningInsecureContent, false);
        s->setAttribute(QWebEngineSettings::AllowGeolocationOnInsecureOrigins, false);
        s->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
        return SampleProfile{p, interceptor};
    }();
    return made;
}

class WebSampleBrowser final : public SampleBrowser {
public:
    explicit WebSampleBrowser(QWidget* parent) : view(new QWebEngineView(parent)) {
        view->setObjectName(QStringLiteral("WebBrowser1"));
        view->setPage(new QWebEnginePage(Profile().profile, view));
        QObject::connect(view, &QWebEngineView::loadFinished, view, [this](bool ok) {
            // One answer per navigation: later loads (a link the user
            // follows) have nobody waiting.
            if (auto done = std::exchange(pending, {}))
                done(ok);
        });
    }

    QWidget* widget() override { return view; }

    void navigate(const QUrl& url, std::function<void(bool)> finished) override {
        pending = std::move(finished);
        Profile().interceptor->allow(url);
        view->load(url);
    }

    void runScript(const QString& script, std::function<void(const QVariant&)> result) override {
        view->page()->runJavaScript(script, [result = std::move(result)](const QVariant& v) {
            if (result)
                result(v);
        });
    }

private:
    QWebEngineView* view;
    std::function<void(bool)> pending;
};
} // namespace

extern "C" Q_DECL_EXPORT SampleBrowser* PevranoCreateSampleBrowser(QWidget* parent) {
    // The engine draws through an OpenGL context shared with the windows.
    // Made here, when the first browser is, rather than before the
    // application starts: the main window's start-up loads no OpenGL driver.
    static const bool initialized = [] {
        // The engine's start-up report of its graphics set-up is for
        // diagnosing the engine, not for the tool's users.
        QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
        // The programs share their contexts from the start
        // (PrepareSampleBrowser); one that did not gets them shared now.
        if (!QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts))
            QtWebEngineQuick::initialize();
        PrepareSampleBrowserSandbox();
        return true;
    }();
    Q_UNUSED(initialized);
    return new WebSampleBrowser(parent);
}
