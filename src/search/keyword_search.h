// The key word search under the edit area: a box, a filtered list of the dialect's words,
// and a find of the chosen word in the file.
#pragma once

#include "state/editor.h"

namespace editor {

// Lists the words that begin with, or contain, the box's text; hides the list's controls
// while the box is empty.
void KeywordFilter(Editor& editor);
void OnKeywordBoxEnter(Editor& editor);
void OnKeywordPicked(Editor& editor);
void OnFindKeywordButton(Editor& editor);
void ClearKeywordSearch(Editor& editor);
// "Begins with" and "In word": exactly one of the two is ticked.
void OnKeywordMatchBox(Editor& editor, ui::ControlId clicked);

// The find modes "Exact", "Words" and mixed, one of them ticked.
void OnFindMode(Editor& editor, ui::ControlId clicked);
// "First", "All" and "Last": ticking one clears the other two.
void OnFindExtentBox(Editor& editor, ui::ControlId clicked);

}  // namespace editor
