#include "editor/ui/CaptionStyleCommand.h"

#include "captionstyle/ui/CaptionStylePreview.h"
#include "editor/ui/MainWindow.h"
#include "platform/ui/ColorSwatch.h"

void ConnectCaptionStyle(MainWindow& window, const QString& folder) {
    window.seams.showCaptionStyle = [&window, folder] {
        auto colors = [&window] {
            SampleStyle style;
            style.pageBackColor = window.ui.lblNewBkGnd->color();
            style.frameColor = window.project().settings.CaptionFrameColor;
            style.captionTextColor = window.CaptionBoxForeColor();
            style.captionBoxColor = window.CaptionBoxBackColor();
            return style;
        };
        // A window of its own (not a dialog of the main window, which hides),
        // made anew for every opening and gone when closed.
        // Each font or size it takes is a step of the show at once.
        auto* preview =
            new CaptionStylePreview(window.document(), window.prompter(), colors, folder, &window);
        preview->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(preview, &CaptionStylePreview::closed, &window,
                         [&window] { window.show(); });
        window.hide();
        preview->show();
    };
}
