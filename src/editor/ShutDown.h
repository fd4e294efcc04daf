#pragma once

class Prompter;
class QSettings;
class SettingsControls;
struct ShowSettings;
struct ToolPreferences;

// Leaving the tool: asks "Are you sure you want to Exit..."; on Yes writes
// the stored settings and returns true (a store that cannot be written is
// reported once, and the tool still ends). On No returns false.
bool RunShutDown(Prompter& ui, QSettings& store, const ShowSettings& settings,
                 const ToolPreferences& tool, const SettingsControls& controls);
