// Replacing text in chosen lines of the active file: in each, the first occurrence of the
// find text gives way to the replacement, and each changed line is one undo step.
#pragma once

#include <string_view>
#include <vector>

#include "base/positions.h"

namespace editor {

struct Editor;

enum class ReplaceRefusal { kNone, kNoFile, kEmptyFindText, kLineBreak };

struct ReplaceOutcome {
  ReplaceRefusal refusal = ReplaceRefusal::kNone;
  int linesChanged = 0;
};

// Lines in the order given; a line listed twice is changed twice, a line that no longer
// holds the find text (or is past the end) is left alone. An empty replacement removes
// the occurrence. The texts are single lines: one holding a line break is refused, as it
// would move every line below it away from what the lists say is there. Afterwards the
// caret is at the start of the last changed line and the editor has the focus.
ReplaceOutcome ReplaceInLines(Editor& editor, std::string_view find, std::string_view replacement,
                              const std::vector<LineNumber>& lines);

}  // namespace editor
