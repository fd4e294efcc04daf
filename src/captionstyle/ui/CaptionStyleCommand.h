#pragma once

class Form1;

// Plugs the caption style preview into the main window's font command: the
// main window hides while the preview is open and shows again when it
// closes.
void ConnectCaptionStyle(Form1& window);
