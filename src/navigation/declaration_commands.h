// The subroutine and window panes: going to an entry, its end or its handler, copying it
// to the clipboard, deleting it, and clearing the selection.
#pragma once

#include "state/command_table.h"

namespace editor {

CommandRows DeclarationCommands();

}  // namespace editor
