#pragma once

class MainWindow;

// Plugs the colour tool Tintara into the main window's colour commands: it
// opens modeless for the pending target, or comes to the front when it is
// already open (or hidden by its Exit command).
void ConnectColorTool(MainWindow& form);
