#pragma once

// Hand-over state between windows: set by one side, consumed by the other.
// Never stored.
struct EditorFlags {
    bool PickingBkPicture = false;
    bool PickingCapForeColor = false;
    bool PickingCapBackColor = false;
    bool PickingCapFrameColor = false;
    bool ColorToolStandalone = false;
    bool ColorToolClosed = false;
    bool OptionsChanged = false;
    bool OpenPgBkPicChanged = false;
    bool CompileCancelled = false;
    // One-shot: the next ColorToHex call writes blue-green-red, then clears it.
    bool HexInBgrOrder = false;
};
