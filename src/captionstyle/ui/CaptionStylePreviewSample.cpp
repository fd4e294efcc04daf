// The sample page of the caption style preview and the browser showing it.
#include "captionstyle/ui/CaptionStylePreview.h"

#include "captionstyle/ui/SampleBrowser.h"
#include "document/ShowDocument.h"
#include "project/ShowSettings.h"
#include "ui_CaptionStylePreview.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QVBoxLayout>

void CaptionStylePreview::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (sampleBrowser || !ui->lblBrowser->isHidden())
        return;
    // The first showing starts the browser and shows the sample.
    QString error;
    sampleBrowser = CreateSampleBrowser(ui->WebBrowser1Place, &error);
    if (!sampleBrowser) {
        ui->lblBrowser->setText(QStringLiteral("The sample cannot be shown: ") + error);
        ui->lblBrowser->show();
        return;
    }
    QWidget* view = sampleBrowser->widget();
    view->setAccessibleName(QStringLiteral("Sample page"));
    view->setFocusPolicy(Qt::NoFocus);
    ui->WebBrowser1Place->layout()->addWidget(view);
    showSample();
}

void CaptionStylePreview::showSample() {
    SampleStyle style = showColors ? showColors() : SampleStyle{};
    style.font = document.show().settings.FontInUse;
    style.size = document.show().settings.FontSizeInUse;
    style.caption = ui->txtSampleCap->text();
    QString error;
    const auto path = WriteSamplePage(folder, style, error);
    if (!path) {
        fileProblem(error);
        emit sampleShown(false);
        return;
    }
    if (!sampleBrowser) {
        emit sampleShown(false);
        return;
    }
    sampleBrowser->widget()->setVisible(true);
    QPointer<CaptionStylePreview> self(this);
    sampleBrowser->navigate(QUrl::fromLocalFile(*path), [self](bool ok) {
        if (self)
            emit self->sampleShown(ok);
    });
}
