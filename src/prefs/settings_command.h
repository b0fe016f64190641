// The File menu's "Editor Settings": the window minimised while the dialog runs, then the
// view put back with the new settings in force.
#pragma once

#include "state/command_table.h"
#include "state/editor.h"

namespace editor {

void EditorSettingsCommand(Editor& editor);

CommandRows PreferenceCommands();

}  // namespace editor
