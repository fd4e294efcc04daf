#pragma once

class MainWindow;

// Makes the main window's sort command (cmdAllImages and mnuSortPictures)
// run the opening step and then the sorter, modal on the window's project.
// Under two slides the refusal hands the focus to cmdAdd; when the sorter
// closes the window shows its current slide from the changed project. Each
// swap is a step of the window's edit history.
void ConnectPictureSorter(MainWindow& window);
