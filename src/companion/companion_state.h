// A tab's companion state as tab switching, loading and saving use it: put back into the
// panes with the view it was left in, or written for the next visit, with every failure
// turned into a notice.
#pragma once

#include "companion/state_restore_view.h"
#include "state/editor.h"

namespace editor {

// Tab t's text is on screen: its lists, selections and places come back from its state
// file, then the view steps that end a restore. False when the state was another file's
// (one of the same name in another folder) and the lists are still to be made.
bool RestoreCompanionState(Editor& editor, int tab, ViewAfterRestore view = ViewAfterRestore::kCaretToTopLine,
                           IndexRows rows = IndexRows::kFromState);

// Writes tab t's state file and its ".pth", which names the file the state is of; a failed
// write is reported.
void WriteCompanionState(Editor& editor, int tab);

}  // namespace editor
