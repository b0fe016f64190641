// The ways into a search: the find bar's button and Enter in its box, the editor's
// context menu (Find First, Find All, Find Last) and the key word find.
#pragma once

#include "state/command_table.h"
#include "state/editor.h"

namespace editor {

// Opens the results window with the find box's text and the find bar's options; an
// empty box takes the focus instead.
void RunFindFromBar(Editor& editor);
// Searches the chosen key word as a word (as an exact text when it holds a delimiter);
// afterwards the caret is at the start of its line and the editor has the focus.
void RunKeywordFind(Editor& editor);

CommandRows FindCommands();

}  // namespace editor
