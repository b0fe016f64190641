#include "model/editor_state_lines.h"

#include <algorithm>

#include "base/number_text.h"
#include "base/stored_path.h"
#include "base/word_delimiters.h"

namespace editor {

EditorStateLines ReadEditorStateLines(std::string_view text) {
  EditorStateLines state;
  for (std::size_t at = 0; at < text.size();) {
    std::size_t end = text.find_first_of("\r\n", at);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = Trimmed(text.substr(at, std::min(end - at, kLongestStoredPathLine)));
    at = end + 1;
    if (line.empty()) continue;
    if (line.front() == '!') state.activeTab = LeadingInt(line.substr(1));
    else if (line.front() == '#') state.resizeTabs = LeadingInt(line.substr(1)) == 1;
    else state.paths.emplace_back(line);
  }
  return state;
}

}  // namespace editor
