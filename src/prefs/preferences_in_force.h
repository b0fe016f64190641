// Puts the preferences to work on the running editor: the colours on the key word table,
// the edit areas, the main window and its gutter; the settings "Apply" takes on the
// editor font, tab stops, tool tips, panels and switches. Settings whose part reads them
// itself (wheel lines, save on close, timer) need nothing here.
#pragma once

#include "state/editor.h"

namespace editor {

void PutColoursInForce(Editor& editor);

void PutSettingsInForce(Editor& editor);

// Every edit area (the file on screen, the files waiting in the other tabs, the code
// blocks) takes tab stops of the tab spacing.
void PutTabStopsInForce(Editor& editor);

// The auto-complete switch and its button follow the preference at once.
void PutAutoCompleteInForce(Editor& editor);

// Whether the main window's controls show their tool tips now.
bool MainWindowTooltipsShown(const ui::Window& window);

}  // namespace editor
