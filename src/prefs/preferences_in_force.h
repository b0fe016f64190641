// Puts the preferences to work on the running editor: the colours on the key word table,
// the edit areas, the main window and its gutter; the settings "Apply" takes on the
// editor font, tool tips, panels and switches. Settings whose part reads them itself
// (wheel lines, tab spacing, save on close, timer) need nothing here.
#pragma once

#include "state/editor.h"

namespace editor {

void PutColoursInForce(Editor& editor);

void PutSettingsInForce(Editor& editor);

// The auto-complete switch and its button follow the preference at once.
void PutAutoCompleteInForce(Editor& editor);

// Whether the main window's controls show their tool tips now.
bool MainWindowTooltipsShown(const ui::Window& window);

}  // namespace editor
