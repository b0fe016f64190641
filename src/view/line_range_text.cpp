#include "view/line_range_text.h"

#include <algorithm>

namespace editor {

std::vector<std::string_view> LineRangeText::Lines() const {
  std::vector<std::string_view> lines;
  const std::string_view all = text;
  for (std::size_t at = 0;;) {
    const std::size_t cr = all.find('\r', at);
    if (cr == std::string_view::npos) {
      if (at < all.size() || lines.empty()) lines.push_back(all.substr(at));
      return lines;
    }
    lines.push_back(all.substr(at, cr - at));
    at = cr + 1;
    if (at == all.size()) return lines;
  }
}

LineRangeText ReadLineRange(ui::RichEdit& edit, LineIndex first, LineIndex last, RestoreSelection restore) {
  LineRangeText range;
  const int count = edit.LineCount();
  first = std::max(LineIndex(0), first);
  last = std::min(last, LineIndex(count - 1));
  range.firstLine = first;
  if (first > last) return range;
  range.holdsLines = true;
  const std::pair<int, int> selection = edit.GetSelection();
  range.startPosition = CharPosition(edit.LineIndex(first.Value()));
  const LineIndex after = last + 1;
  edit.SetSelection(range.startPosition.Value(), after.Value() < count ? edit.LineIndex(after.Value()) : -1);
  range.text = edit.SelectedText();
  if (restore == RestoreSelection::kYes) edit.SetSelection(selection.first, selection.second);
  return range;
}

}  // namespace editor
