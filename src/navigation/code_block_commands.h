// The code block buttons under the edit area: "Main program", the four blocks, and copy
// and delete for the block shown.
#pragma once

#include "state/command_table.h"
#include "state/editor.h"

namespace editor {

CommandRows CodeBlockCommands();

// The block shown goes whole to the clipboard; nothing while the main code is shown.
void CopyShownBlock(Editor& editor);
// The block shown is emptied, which frees it, and the main code comes back. A text
// leaves a rich edit only with its control, which is made afresh.
void DeleteShownBlock(Editor& editor);

}  // namespace editor
