// The edit control's first visible line and caret line as line indexes: the control
// itself counts in plain ints.
#pragma once

#include "base/positions.h"
#include "platform/rich_edit.h"

namespace editor {

inline LineIndex FirstVisibleLineOf(const ui::RichEdit& edit) { return LineIndex(edit.FirstVisibleLine()); }

inline LineIndex CaretLineOf(const ui::RichEdit& edit) {
  return LineIndex(edit.LineFromChar(edit.GetSelection().first));
}

}  // namespace editor
