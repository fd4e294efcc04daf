// The browser module: a QWebEngineView behind the SampleBrowser interface.
#include "captionstyle/ui/SampleBrowser.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <QtWebEngineQuick>

namespace {
// The sample is a local page: a profile without cache or cookies on disk
// starts quicker and leaves nothing behind. It lives as long as the
// application, after every page that uses it.
QWebEngineProfile* SampleProfile() {
    static QWebEngineProfile* profile = new QWebEngineProfile(QCoreApplication::instance());
    return profile;
}

class WebSampleBrowser final : public SampleBrowser {
public:
    explicit WebSampleBrowser(QWidget* parent) : view(new QWebEngineView(parent)) {
        view->setObjectName(QStringLiteral("WebBrowser1"));
        view->setPage(new QWebEnginePage(SampleProfile(), view));
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
        QtWebEngineQuick::initialize();
        return true;
    }();
    Q_UNUSED(initialized);
    return new WebSampleBrowser(parent);
}
