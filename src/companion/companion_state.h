// A tab's companion state as tab switching, loading and saving use it: put back into the
// panes with the view it was left in, or written for the next visit, with every failure
// turned into a notice.
#pragma once

#include "state/editor.h"

namespace editor {

// Tab t's text is on screen: its lists, selections and places come back from its state
// file, then the view steps that end a restore.
void RestoreCompanionState(Editor& editor, int tab);

// Writes tab t's state file; a failed write is reported.
void WriteCompanionState(Editor& editor, int tab);

}  // namespace editor
