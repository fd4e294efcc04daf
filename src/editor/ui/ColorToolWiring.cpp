#include "editor/ui/ColorToolWiring.h"

#include "colortool/ColorToolHost.h"
#include "colortool/ui/SchemeSaveWindow.h"
#include "colortool/ui/TintaraWindow.h"
#include "editor/SlideColors.h"
#include "editor/ui/ColorWorkbench.h"
#include "editor/ui/MainWindow.h"
#include "platform/ProgramFolder.h"
#include "platform/ui/QtPrompter.h"

#include <QApplication>

#include <QLineEdit>
#include <QPointer>
#include <memory>

namespace {
// The main window as the colour tool sees it.
class MainWindowColorToolHost : public ColorToolHost {
public:
    explicit MainWindowColorToolHost(MainWindow& form) : form(form) {}

    void setPaletteColor(int index, ColorValue color) override {
        form.colors().commands().setPaletteColor(index, color);
    }
    ColorValue paletteColor(int index) const override {
        return form.colors().commands().PicMFormColors().at(static_cast<std::size_t>(index));
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

private:
    MainWindow& form;
};

// The real dialogs, owned by whichever of the tool's windows is active when
// one is asked for, so they open over the colour tool or the scheme window
// rather than over the main window behind them.
class ActiveWindowPrompter : public Prompter {
public:
    MsgResult messageBox(const MessageBoxRequest& r) override { return owned().messageBox(r); }
    std::optional<QString> inputBox(const InputBoxRequest& r) override {
        return owned().inputBox(r);
    }
    QStringList openFiles(const FileDialogRequest& r) override { return owned().openFiles(r); }
    QString saveFile(const FileDialogRequest& r) override { return owned().saveFile(r); }
    QString browseForFolder(const QString& p) override { return owned().browseForFolder(p); }
    std::optional<std::uint32_t> chooseColor(std::uint32_t c) override {
        return owned().chooseColor(c);
    }
    std::optional<FontChoice> chooseFont(const FontChoice& f) override {
        return owned().chooseFont(f);
    }

private:
    QtPrompter& owned() {
        real.setParent(QApplication::activeWindow());
        return real;
    }
    QtPrompter real;
};
} // namespace

void ConnectColorTool(MainWindow& form) {
    auto host = std::make_shared<MainWindowColorToolHost>(form);
    auto window = std::make_shared<QPointer<TintaraWindow>>();
    // Scripted answers (the tests) stay as they are.
    std::shared_ptr<Prompter> dialogs;
    if (dynamic_cast<QtPrompter*>(&form.prompter()) != nullptr)
        dialogs = std::make_shared<ActiveWindowPrompter>();
    form.seams.showColorTool = [&form, host, window, dialogs] {
        Prompter& ask = dialogs ? *dialogs : form.prompter();
        if (!*window)
            *window = new TintaraWindow(form.document(), *host, ask, ProgramFolder(),
                                        WritableProgramFolder(), &form);
        TintaraWindow* tool = *window;
        tool->show();
        tool->raise();
        tool->activateWindow();
    };
    // Its scheme window stands in for it while the tool is hidden behind it.
    form.seams.colorToolOpen = [window] {
        const TintaraWindow* tool = *window;
        return tool &&
               (tool->isVisible() || (tool->schemeWindow() && tool->schemeWindow()->isVisible()));
    };
}
