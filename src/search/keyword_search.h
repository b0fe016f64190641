// The key word search and the find bar under the edit area: a box, a filtered list of the
// dialect's words, and the find bar's mode and extent boxes.
#pragma once

#include "state/command_table.h"
#include "state/editor.h"

namespace editor {

// Lists the words that begin with, or contain, the box's text; hides the list's controls
// while the box is empty.
void KeywordFilter(Editor& editor);
void OnKeywordPicked(Editor& editor);
void ClearKeywordSearch(Editor& editor);
// "Begins with" and "In word": exactly one of the two is ticked.
void OnKeywordMatchBox(Editor& editor, ui::ControlId clicked);

// The find modes "Exact", "Words" and mixed, one of them ticked.
void OnFindMode(Editor& editor, ui::ControlId clicked);
// "First", "All" and "Last": ticking one clears the other two.
void OnFindExtentBox(Editor& editor, ui::ControlId clicked);
// The Edit menu's Find (Ctrl+F): the find box takes the focus.
void FocusFindBox(Editor& editor);

// The rows of the key word search, the find bar's boxes and the Edit menu's Find.
CommandRows SearchBarCommands();

}  // namespace editor
