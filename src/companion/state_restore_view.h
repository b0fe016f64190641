// What follows putting a file's remembered state back: the view it was left in.
#pragma once

#include "companion/file_state_file.h"
#include "state/editor.h"

namespace editor {

// Gutter marker, caption, colours, caret, scroll range and the editing controls, and a
// warning when the state file was damaged or could not be read.
void FinishStateRestore(Editor& editor, int tab, const FileStateRestore& restored);

// A state file could not be written.
void ReportStateWriteFailed(Editor& editor, int tab);

}  // namespace editor
