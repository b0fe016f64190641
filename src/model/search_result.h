// One line that a search found.
#pragma once

#include <string>

#include "base/positions.h"

namespace editor {

struct SearchResult {
  LineNumber line = kNoLine;
  std::string text;   // the whole line, without its break
  std::string owner;  // the subroutine or window it belongs to, or empty
  friend bool operator==(const SearchResult&, const SearchResult&) = default;
};

}  // namespace editor
