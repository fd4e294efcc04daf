#pragma once

class MainWindow;

// Adds File > Publish Show... after Make HTML File, available when Make HTML
// File is: the window's show is compiled into a staging folder (the name
// prompts ask as Make HTML File asks) and sent to the remote it names.
void ConnectPublishCommand(MainWindow& window);
