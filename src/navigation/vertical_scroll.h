// The line scroll bar beside the edit area: the edit control has none of its own.
#pragma once

#include "state/editor.h"

namespace editor {

void OnVerticalScroll(Editor& editor, int scrollCode, int position);

}  // namespace editor
