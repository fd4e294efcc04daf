#pragma once

#include "compiler/CompileDriver.h"

#include <functional>

class Prompter;
class QProgressBar;
class QWidget;
class SlideShowProject;

// The main window's "Make HTML File" command (compileShow): the whole
// compile run of `show` on the real file system, with the name prompt
// window, the window's progress bar and pointer, and the program folder's
// assets. `stopSongPreview` stops the editor's song preview. The show is
// read only: the answers to keep with it come back in the result.
CompileResult CompileFromWindow(const SlideShowProject& show, QWidget* window, Prompter& ui,
                                QProgressBar* PBar1, std::function<void()> stopSongPreview);
