// The ways into a search: the find bar's button and Enter in its box, the editor's
// context menu (Find First, Find All, Find Last) and the key word find.
#pragma once

#include <string>

#include "state/command_table.h"
#include "state/editor.h"

namespace editor {

// Opens the results window with the find box's text and the find bar's options; an
// empty box takes the focus instead.
void RunFindFromBar(Editor& editor);
// Puts the text in the find box, sets the find bar to an exact search or to a words
// search with And and All, and opens the results window.
void RunFindOnBar(Editor& editor, const std::string& text, bool exact);
// Searches the chosen key word as a word (as an exact text when it holds a delimiter);
// afterwards the caret is at the start of its line and the editor has the focus.
void RunKeywordFind(Editor& editor);

CommandRows FindCommands();

}  // namespace editor
