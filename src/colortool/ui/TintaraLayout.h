#pragma once

class QMainWindow;
struct TintaraControls;

// Builds the colour tool's menu, toolbar and controls into the window.
void BuildTintaraLayout(QMainWindow& window, TintaraControls& ui);
