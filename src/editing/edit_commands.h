// Cut, copy, paste and select all of the Edit menu and the context menu, clearing the
// clipboard, re-indexing and recolouring the file, and the ready-made code list.
#pragma once

#include <string>
#include <string_view>

#include "state/command_table.h"
#include "state/editor.h"

namespace editor {

void CutCommand(Editor& editor);
void CopyCommand(Editor& editor);
void PasteCommand(Editor& editor);
void SelectAllCommand(Editor& editor);
void ClearClipboardCommand(Editor& editor);
void ReindexFileCommand(Editor& editor);

// Selected text uses CR breaks inside the control; other programs expect CR LF.
std::string WithCrLfBreaks(std::string_view text);

// The rows of the commands above and of the ready-made code list.
CommandRows EditingCommands();

}  // namespace editor
