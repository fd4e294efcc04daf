#pragma once

#include <QString>

class MainWindow;

// Plugs the caption style preview into the main window's font command: the
// main window hides while the preview is open and shows again when it
// closes. The sets file and the sample page live in `folder` (the writable
// program folder).
void ConnectCaptionStyle(MainWindow& window, const QString& folder);
