#pragma once

class MainWindow;

// Makes MainWindow's cmdFinish (and its menu entry) run the compile on the
// window's project, prompter and PBar1. The song preview stops through the
// song controls; afterwards the window shows the current slide again,
// captions with their quotes replaced.
void ConnectCompileCommand(MainWindow& window);
