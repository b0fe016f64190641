// The "Editor settings" dialog: shows the preferences, changes some at once (colour word,
// colours, search presets, places, auto-complete), applies and writes the rest on
// "Apply", and restores the factory file on "Defaults".
#pragma once

#include "state/editor.h"

namespace editor {

// Modal; returns when the dialog has closed. The lead's "Editor Settings" command.
void RunEditorSettings(Editor& editor);

}  // namespace editor
