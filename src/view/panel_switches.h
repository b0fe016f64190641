// The switches of the main window: the debug panel, the edit-position panel, jumping to
// selections and key word auto-completion (the places switches are the places pane's).
#pragma once

#include "state/command_table.h"
#include "state/editor.h"

namespace editor {

// The rows of the switches' buttons and boxes.
CommandRows PanelSwitchCommands();

// The switches start each run from the preferences, with their boxes ticked to match.
void StartSwitchesFromPreferences(Editor& editor);

void ToggleDebugPanel(Editor& editor);
void ToggleEditPositionPanel(Editor& editor);
void ToggleJumpToSelections(Editor& editor);
void ToggleAutoComplete(Editor& editor);

}  // namespace editor
