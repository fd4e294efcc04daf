#pragma once

class MainWindow;

// Makes MainWindow's cmdFinish (and its menu entry) run the compile of the
// window's show with its prompter and PBar1, handing back the answers the
// show keeps. The song preview stops through the song controls; afterwards
// the window shows the current slide again, captions with their quotes
// replaced.
void ConnectCompileCommand(MainWindow& window);
