// The position timer: follows the caret, keeps the ".src" first-visible-line file, and
// refreshes the line fields when the caret's line changes.
#pragma once

#include "app/editor.h"

namespace editor {

void OnPositionTimer(Editor& editor);

// Writes the first visible line + 1 into the active file's ".src" companion.
void WriteFirstVisibleLine(Editor& editor, int firstVisibleLine);

}  // namespace editor
