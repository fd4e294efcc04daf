#include "colortool/ui/ColorToolWiring.h"

#include "colortool/ColorToolHost.h"
#include "colortool/ui/frmMyColorChart.h"
#include "editor/SlideColors.h"
#include "editor/ui/ColorWorkbench.h"
#include "editor/ui/Form1.h"
#include "platform/ProgramFolder.h"

#include <QLineEdit>
#include <QPointer>
#include <memory>

namespace {
// The main window as the colour tool sees it.
class Form1ColorToolHost : public ColorToolHost {
public:
    explicit Form1ColorToolHost(Form1& form) : form(form) {}

    void setPaletteColor(int index, ColorValue color) override {
        form.colors().commands().setPaletteColor(index, color);
    }
    void setCaptionBoxForeColor(ColorValue color) override {
        form.SetCaptionBoxColors(form.CaptionBoxBackColor(), color);
    }
    void setCaptionBoxBackColor(ColorValue color) override {
        form.SetCaptionBoxColors(color, form.CaptionBoxForeColor());
    }
    void setCaptionBoxFont(const QString& family, int pointSize) override {
        QFont font = form.ui.txtCaption->font();
        font.setFamily(family);
        if (pointSize > 0)
            font.setPointSize(pointSize);
        form.ui.txtCaption->setFont(font);
    }
    void refreshSwatches() override { form.update(); }
    void ChangelblNewBkGnd() override { form.colors().commands().ChangelblNewBkGnd(); }

private:
    Form1& form;
};
} // namespace

void ConnectColorTool(Form1& form) {
    auto host = std::make_shared<Form1ColorToolHost>(form);
    auto window = std::make_shared<QPointer<frmMyColorChart>>();
    form.seams.showColorTool = [&form, host, window] {
        if (!*window)
            *window = new frmMyColorChart(form.project(), *host, form.prompter(), ProgramFolder(),
                                          WritableProgramFolder(), &form);
        frmMyColorChart* tool = *window;
        tool->show();
        tool->raise();
        tool->activateWindow();
    };
}
