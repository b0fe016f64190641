// The file commands of the tool buttons and the File menu: new, open, close, save, save
// as, backup, reload, exit, and the restart that mends a stuck scroll.
#pragma once

#include "state/command_table.h"
#include "state/editor.h"

namespace editor {

// No tab is free: every slot holds a file or a text of its own.
bool AllTabsTaken(const Editor& editor);

CommandRows FileCommands();

}  // namespace editor
