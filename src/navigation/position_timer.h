// The position timer: follows the caret, keeps the ".src" first-visible-line file, and
// refreshes the line fields when the caret's line changes.
#pragma once

#include "state/editor.h"

namespace editor {

void OnPositionTimer(Editor& editor);

}  // namespace editor
