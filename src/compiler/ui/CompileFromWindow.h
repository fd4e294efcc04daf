#pragma once

#include "compiler/CompileDriver.h"

#include <functional>

class Prompter;
class QProgressBar;
class QWidget;
class SlideShowProject;

// The main window's "Make HTML File" command (compileShow): the whole
// compile run on the real file system, with the name prompt window, the
// window's progress bar and pointer, and the program folder's assets.
// `stopSongPreview` stops the editor's song preview.
CompileOutcome CompileFromWindow(SlideShowProject& p, QWidget* window, Prompter& ui,
                                 QProgressBar* PBar1, std::function<void()> stopSongPreview);
