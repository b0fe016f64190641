// Recording the active tab's edits and stepping back and forward through them, with the
// text, caret and first visible line coming back together, and the two undo buttons.
#pragma once

#include "model/undo_history.h"

namespace editor {

struct Editor;

// The active tab's history, or nullptr with no tab on screen.
UndoHistory* ActiveHistory(Editor& editor);

// Into the active tab's history; the file is marked modified and the undo button shown.
void RecordEdit(Editor& editor, TextEdit edit);

// Each returns false when its store was empty and nothing changed.
bool UndoStep(Editor& editor);
bool RedoStep(Editor& editor);
void UndoAll(Editor& editor);
void RedoAll(Editor& editor);

// A text that comes from disk again or goes under a new name starts a history of its own.
void ClearActiveTabUndoAndRedo(Editor& editor);

// "Clear undo's && redo's" after its question; the notice says it is done.
void ClearUndoCommand(Editor& editor);

// A trailing "*" on the active tab's caption and the window caption.
void MarkActiveFileModified(Editor& editor);

}  // namespace editor
