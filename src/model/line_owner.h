// The subroutine or window that the lines of a file belong to, followed line by line
// from the top: a SUB or OPENWINDOW line names it, ENDSUB or WAITUNTIL ends it.
#pragma once

#include <string_view>

#include "model/line_tokens.h"

namespace editor {

class LineOwner {
 public:
  // The line's first two tokens are all it needs.
  static constexpr std::size_t kTokensNeeded = 2;

  // False only for a line whose first token certainly names no subroutine or window, and
  // does not close one: a cheap look at its first word, so that most lines need no split.
  static bool MayChange(std::string_view line);

  // Moves past one line; Name() is then that line's owner. A closing line belongs to
  // nothing.
  void Follow(const LineTokens& line);

  // A view into the text of the line that gave the name: the caller keeps the text.
  std::string_view Name() const { return name_; }

 private:
  std::string_view name_;
};

}  // namespace editor
