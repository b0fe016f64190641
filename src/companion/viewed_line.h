// The ".src" companion of the active file: the line it was last viewed at, written by the
// position timer and read when a file is shown again.
#pragma once

#include <string>

#include "state/editor.h"

namespace editor {

// Writes the first visible line + 1 into the active file's ".src" companion.
void WriteFirstVisibleLine(Editor& editor, int firstVisibleLine);

// The last line of the active file's ".src" companion: the line it was last viewed at;
// empty without one.
std::string ReadViewedLine(const Editor& editor);

}  // namespace editor
