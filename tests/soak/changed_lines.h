// The lines an edit changed, found by comparing the text before and after it: what lies
// between the lines both texts start with and the lines both end with.
#pragma once

#include <string_view>
#include <vector>

namespace editor::soak {

struct ChangedLines {
  std::vector<std::string_view> before;  // the lines that went
  std::vector<std::string_view> after;   // the lines that came in their place
};

// Both texts broken at CR LF; the views point into them. `around` more lines on each side
// count as changed too.
ChangedLines LinesChanged(std::string_view before, std::string_view after, int around = 0);

}  // namespace editor::soak
