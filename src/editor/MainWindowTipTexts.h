#pragma once

#include "support/ToolTipLook.h"

#include <QString>
#include <vector>

struct ShowSettings;

// The main window's five tooltip managers, each with its own look.
enum class TipManager { Palette, Red, Yellow, Black, Cyan };
constexpr int kTipManagers = 5;

ToolTipLook ManagerLook(TipManager manager);

// A tip for a control of the main window, named by its object name and its
// index in its control array (-1: the control, or every element of the
// array). Plain tips have no manager.
struct ControlTip {
    const char* control;
    int index;
    QString text;
};
struct ManagedTip {
    TipManager manager;
    ControlTip tip;
};

// The check box that switches the tips, when they are on.
QString TipsOnText();
// The plain tips; the caption box's and the skip buttons' tips follow the
// caption font and the skip amount of the settings.
std::vector<ControlTip> PlainTips(const ShowSettings& settings);
// The multi-line tips drawn by the managers (CR LF breaks a line).
std::vector<ManagedTip> ManagedTips();
