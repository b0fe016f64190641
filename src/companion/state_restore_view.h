// What follows putting a file's remembered state back: the view it was left in.
#pragma once

#include "companion/file_state_file.h"
#include "state/editor.h"

namespace editor {

// What a restore does with the view of the text on screen.
enum class ViewAfterRestore {
  kCaretToTopLine,  // a text just put on screen: recoloured, the caret on its top line
  kAsItWas,         // a tab's own control shown again: its colours, caret and place kept
};

// Gutter marker, caption, colours, caret, scroll range and the editing controls, and a
// warning when the state file was damaged or could not be read.
void FinishStateRestore(Editor& editor, int tab, const FileStateRestore& restored, ViewAfterRestore view);

// A state file could not be written.
void ReportStateWriteFailed(Editor& editor, int tab);

}  // namespace editor
