// The jumps and view restores that most commands end with: caret to a line, gutter
// renumbered and marked, visible lines recoloured, focus back on the editor.
#pragma once

#include <functional>
#include <string>

#include "base/positions.h"
#include "state/editor.h"

namespace editor {

// Caret at the start of the line, nothing selected.
void CaretToLine(Editor& editor, LineNumber line);
void FocusEditor(Editor& editor);

// Colours the visible lines with redraw and change notices off.
void RecolourVisible(Editor& editor);

// The jump of the subroutine and window lists, bookmarks and places: the next timer tick
// refreshes the view. A line past the end goes to the last line.
void GoToLine(Editor& editor, LineNumber line);
// The line at the top of the view with the caret at its start, coloured, numbered and
// marked in the gutter.
void ShowLineAtTop(Editor& editor, LineNumber line);
// The jump of the go-to-line boxes 602, 603 and 909: the typed line at the top of the view.
void GoToLineFromBox(Editor& editor, ui::ControlId box);

// Runs an operation and puts the view back where it was: caret line, gutter, marker.
void RunWithViewRestored(Editor& editor, const std::function<void()>& operation);

// Empties the panes, gutter and scroll bar but leaves the editor's text alone.
void ClearPanes(Editor& editor);
// Empties only the lists of the panes: for a tab switch, whose restore numbers the gutter
// and places the scroll bar for the tab it shows.
void ClearLists(Editor& editor);

// The number in an edit box, or 0 when it holds none.
int NumberIn(const ui::Window& window, ui::ControlId id);

}  // namespace editor
