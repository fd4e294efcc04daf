#pragma once

class Form1;

// Makes the main window's sort command (cmdAllImages and mnuSortPictures)
// run the opening step and then the sorter, modal on the window's project.
// Under two slides the refusal hands the focus to cmdAdd; when the sorter
// closes the window shows its current slide from the changed project.
void ConnectPictureSorter(Form1& window);
