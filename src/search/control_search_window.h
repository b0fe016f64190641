// The "Search controls" window: the file's controls by name, window and type; a chosen one
// shows its CONTROL statement or the CASE that handles it, is searched for with other
// words, or has its details copied.
#pragma once

#include <string>

#include "state/command_table.h"

namespace editor {

struct Editor;

// Returns when the window has closed; `name` starts the name box.
void RunControlSearch(Editor& editor, const std::string& name);

// The "Search controls" button and the context menu's "Find this control".
CommandRows ControlSearchCommands();

}  // namespace editor
