// The sample page of the caption style preview and the browser showing it.
#include "captionstyle/ui/frmPreview.h"

#include "captionstyle/ui/SampleBrowser.h"
#include "project/ShowSettings.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QVBoxLayout>

void frmPreview::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (WebBrowser1 || !lblBrowser->isHidden())
        return;
    // The first showing starts the browser and shows the sample.
    QString error;
    WebBrowser1 = CreateSampleBrowser(browserPlace, &error);
    if (!WebBrowser1) {
        lblBrowser->setText(QStringLiteral("The sample cannot be shown: ") + error);
        lblBrowser->show();
        return;
    }
    QWidget* view = WebBrowser1->widget();
    view->setAccessibleName(QStringLiteral("Sample page"));
    view->setFocusPolicy(Qt::NoFocus);
    browserPlace->layout()->addWidget(view);
    cmdShowthissample_Click();
}

void frmPreview::cmdShowthissample_Click() {
    SampleStyle style = showColors ? showColors() : SampleStyle{};
    style.font = settings.FontInUse;
    style.size = settings.FontSizeInUse;
    style.caption = txtSampleCap->text();
    QString error;
    const auto path = WriteSamplePage(folder, style, error);
    if (!path) {
        fileProblem(error);
        emit sampleShown(false);
        return;
    }
    if (!WebBrowser1) {
        emit sampleShown(false);
        return;
    }
    WebBrowser1->widget()->setVisible(true);
    QPointer<frmPreview> self(this);
    WebBrowser1->navigate(QUrl::fromLocalFile(*path), [self](bool ok) {
        if (self)
            emit self->sampleShown(ok);
    });
}
