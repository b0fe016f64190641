// What every key release in the edit control keeps in step with the caret's line: the
// bracket counts, the index and the line's colours.
#pragma once

#include <vector>

#include "model/undo_history.h"
#include "view/caret_line_colours.h"

namespace editor {

struct Editor;

// What the edit control's handler saw since the last release.
struct KeyRelease {
  int virtualKey = 0;
  bool textChanged = true;      // an edit was recorded or replayed: the line is coloured
  std::vector<TextEdit> edits;  // the handler's own edits, in order
};

void AfterEditKeyRelease(Editor& editor, const KeyRelease& key, PaintedLine& painted);

}  // namespace editor
