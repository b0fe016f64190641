// Keeping what points at lines of code on the same code when an edit inserts or removes
// lines: the subroutine and window rows (and their drop-down entries), the lines where
// subroutines start, the rows still awaiting their ends, the shaded ranges, the bookmarks
// and the places.
#pragma once

#include <string_view>

#include "model/line_shift.h"
#include "platform/rich_edit.h"

namespace editor {

struct Editor;

// A row whose declaration line lost its start is dropped with its drop-down entry, and so
// is a bookmark whose line lost its start. A place on such a line stays in the history, on
// the line where the removed text stood.
void ShiftLineReferences(Editor& editor, const LineShift& shift);

// After `removed` gave way to `inserted` at character `start` of the active control. Two
// requests near `start`, made only when a break came or went.
void FollowEditedLines(Editor& editor, const ui::RichEdit& edit, int start, std::string_view removed,
                       std::string_view inserted);

}  // namespace editor
