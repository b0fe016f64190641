// The four fields at the top right that follow the caret: its line, its column in
// characters, and its column and offset as the view measures them in 8-pixel cells.
#pragma once

#include "platform/rich_edit.h"
#include "state/editor.h"

namespace editor {

// Shows or hides the fields, with their check box's caption and tip to match.
void ShowEditPositionPanel(Editor& editor, bool shown);

// Writes where the caret stands into the fields; nothing while they are hidden, since
// each read walks the text in the real control.
void ShowEditPosition(Editor& editor, const ui::RichEdit& edit);
// The same for a caret whose line and line start the caller has read already.
void ShowEditPosition(Editor& editor, const ui::RichEdit& edit, LineIndex caretLine, int lineStart);

}  // namespace editor
