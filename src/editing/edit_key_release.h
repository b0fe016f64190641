// What every key release in the edit control keeps in step with the caret's line: the
// bracket counts, the index and the line's colours.
#pragma once

#include <string>
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

// The caret's line as the release read it; start -1 when nothing was read.
struct CaretLineText {
  LineIndex line{0};
  int start = -1;
  std::string text;  // without its CR
};

CaretLineText AfterEditKeyRelease(Editor& editor, const KeyRelease& key, PaintedLine& painted);

}  // namespace editor
