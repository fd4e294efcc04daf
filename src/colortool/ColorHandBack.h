#pragma once

#include "project/ColorValue.h"

#include <optional>

class ColorToolHost;
class ShowDocument;
class SlideShowProject;
struct EditorFlags;

// The colour the tool opens with, by the pending target (first match wins):
// the caption text, caption box or caption frame colour, user box 21 in
// picture mode, nothing when opened by itself, else the background colour.
std::optional<ColorValue> PresetColor(const SlideShowProject& project, ColorValue firstUserColor);

// "Selected OK": the chosen colour goes to the pending target, in the same
// order, as one step of the show named as the main window names the same
// change. The caption text and box flags stay set; the main window finishes
// them when it is next activated, and finds the slide's caption colour
// stored already. A background colour is stored in the current slide and
// spread as the main window's background commands do.
void HandBackColor(ShowDocument& document, ColorToolHost& host, ColorValue color);

// A close without "Selected OK": the targets the tool itself would have
// cleared are dropped, so a later opening does not hand its colour to them.
void DropColorToolTargets(EditorFlags& flags);
