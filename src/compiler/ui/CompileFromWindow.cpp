#include "compiler/ui/CompileFromWindow.h"

#include "compiler/ui/WindowCompileHost.h"
#include "platform/LocalFileSystem.h"
#include "platform/ProgramFolder.h"

#include <QDateTime>

CompileResult CompileFromWindow(const SlideShowProject& show, QWidget* window, Prompter& ui,
                                QProgressBar* PBar1, std::function<void()> stopSongPreview) {
    WindowCompileHost host(window, ui, PBar1, std::move(stopSongPreview));
    LocalFileSystem fs;
    return CompileShow(show, host, fs, ProgramFolder(), QDateTime::currentDateTime());
}
