#include "model/line_owner.h"

#include "base/letter_case.h"

namespace editor {

void LineOwner::Follow(const LineTokens& line) {
  const std::string_view first = line.Token(1);
  if (first.empty()) return;
  if (EqualIgnoringCase(first, "SUB") || EqualIgnoringCase(first, "OPENWINDOW"))
    name_ = line.Token(2);
  else if (EqualIgnoringCase(first, "ENDSUB") || EqualIgnoringCase(first, "WAITUNTIL"))
    name_ = {};
}

}  // namespace editor
