#include "editor/ui/CompileWiring.h"

#include "compiler/ui/CompileFromWindow.h"
#include "editor/ui/MainWindow.h"
#include "editor/ui/SongControls.h"

void ConnectCompileCommand(MainWindow& window) {
    window.seams.compile = [&window] {
        const CompileResult result =
            CompileFromWindow(window.document().show(), &window, window.prompter(), window.ui.PBar1,
                              [&window] { window.song().StopPreview(); });
        window.ShowCurrentSlide();
        return std::optional(result.answers);
    };
}
