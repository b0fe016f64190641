// Colouring the caret's line after a key, paying on the real control only for what
// changes: every selection there walks the text up to it, so a line painted run by run
// at the end of a large file costs tens of milliseconds a key. What the control shows on
// the line is remembered from the last paint, the key's edits are applied to it, and only
// the characters whose colour is not already the one wanted are painted.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/positions.h"
#include "model/undo_history.h"
#include "platform/rich_edit.h"

namespace editor {

struct Editor;

// One line as this editor last painted it in one control.
struct PaintedLine {
  LineIndex line{-1};
  int start = -1;
  std::string text;                 // as get-line gave it
  std::vector<ui::Colour> colours;  // one per character of the text
  int passes = -1;                  // the editor's count of other passes at the time
};

// The caret's line, its start and text as read after the key, and the edits made since
// the last paint of `painted`, in order. Without a usable record the whole line is painted.
// The caret and the view come back as they were.
void ColourCaretLine(Editor& editor, ui::RichEdit& edit, LineIndex line, int lineStart, std::string_view text,
                     const std::vector<TextEdit>& edits, PaintedLine& painted);

}  // namespace editor
