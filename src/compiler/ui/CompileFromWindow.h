#pragma once

#include "compiler/CompileDriver.h"

#include <functional>

class Form1;
class Prompter;
class QProgressBar;
class QWidget;
class SlideShowProject;

// The main window's "Make HTML File" command (cmdFinish_Click): the whole
// compile run on the real file system, with the name prompt window, the
// window's progress bar and pointer, and the program folder's assets.
// `stopSongPreview` unticks the sound check box (which stops the preview).
CompileOutcome CompileFromWindow(SlideShowProject& p, QWidget* window, Prompter& ui,
                                 QProgressBar* PBar1, std::function<void()> stopSongPreview);

// Makes Form1's cmdFinish (and its menu entry) run CompileFromWindow on the
// window's project, prompter and PBar1. The song preview stops by unticking
// Check1 through its own handler; afterwards the window shows the current
// slide again, captions with their quotes replaced.
void ConnectCompileCommand(Form1& window);
