// The text of a range of lines read from the control in one request, not line by line:
// per-line requests cost in proportion to the line number in the real control.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/positions.h"
#include "platform/rich_edit.h"

namespace editor {

enum class RestoreSelection { kNo, kYes };

struct LineRangeText {
  LineIndex firstLine{0};         // after clamping to the control's lines
  CharPosition startPosition{0};  // of its first character
  std::string text;               // breaks as CR
  bool holdsLines = false;  // false when the range lies outside the control's lines

  // The lines without their breaks.
  std::vector<std::string_view> Lines() const;
};

// Lines first..last, inclusive, clamped to the control's lines. Reading selects the
// range; kYes puts the selection back afterwards.
LineRangeText ReadLineRange(ui::RichEdit& edit, LineIndex first, LineIndex last, RestoreSelection restore);

}  // namespace editor
