// Ready-made code: a snippet file from Res pasted at the caret.
#pragma once

#include "state/editor.h"

namespace editor {

// The list's button, or a pick in the list while "Jump to selections" is on.
void InsertReadyMadeCode(Editor& editor, bool needMarkedLine);

}  // namespace editor
