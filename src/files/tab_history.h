// A tab's undo and redo history as the file commands see it: a text that comes from disk
// or goes under a new name starts a history of its own.
#pragma once

namespace editor {

struct Editor;

// The active tab's undo and redo are cleared: nothing is left to undo, and the buttons
// say so. Every file command that starts the history afresh comes through here.
void ClearActiveTabUndoAndRedo(Editor& editor);

}  // namespace editor
