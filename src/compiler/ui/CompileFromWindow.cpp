#include "compiler/ui/CompileFromWindow.h"

#include "compiler/ui/WindowCompileHost.h"
#include "editor/ui/Form1.h"
#include "platform/LocalFileSystem.h"
#include "platform/ProgramFolder.h"

#include <QCheckBox>
#include <QDateTime>

CompileOutcome CompileFromWindow(SlideShowProject& p, QWidget* window, Prompter& ui,
                                 QProgressBar* PBar1, std::function<void()> stopSongPreview) {
    WindowCompileHost host(window, ui, PBar1, std::move(stopSongPreview));
    LocalFileSystem fs;
    return CompileShow(p, host, fs, ProgramFolder(), QDateTime::currentDateTime());
}

void ConnectCompileCommand(Form1& window) {
    window.seams.compile = [&window] {
        QCheckBox* sound = window.ui.Check1;
        CompileFromWindow(window.project(), &window, window.prompter(), window.ui.PBar1, [sound] {
            if (sound->isChecked())
                sound->click();
        });
        window.ShowCurrentSlide();
    };
}
