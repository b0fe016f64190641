// The Edit menu's Cut, Copy and Paste follow what they would act on.
#pragma once

#include "state/editor.h"

namespace editor {

// Cut and Copy usable while the control holds a selection, Paste while the clipboard
// holds text.
void ShowEditItemsFor(Editor& editor, const ui::RichEdit& edit);

// A code block tells the editor nothing of its selection: Cut and Copy stay usable while
// it is shown, and do nothing when it has no selection.
void ShowEditItemsForBlock(Editor& editor);

}  // namespace editor
