#include "model/bookmarks.h"

#include <algorithm>

#include "model/file_state.h"

namespace editor {

std::string BookmarkEntry(const Bookmark& bookmark) {
  std::string entry = std::to_string(bookmark.line.Value());
  if (!bookmark.description.empty()) entry += " " + bookmark.description;
  return entry;
}

std::optional<Bookmark> ParseBookmarkEntry(std::string_view entry) {
  const auto [line, description] = SplitBookmark(entry);
  if (line.empty() || line.size() > 9 || !std::ranges::all_of(line, [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  const int number = std::stoi(line);
  if (number <= 0) return std::nullopt;
  return Bookmark{LineNumber(number), description};
}

std::optional<int> FindBookmark(const std::vector<Bookmark>& bookmarks, LineNumber line) {
  const auto found = std::ranges::find(bookmarks, line, &Bookmark::line);
  if (found == bookmarks.end()) return std::nullopt;
  return static_cast<int>(found - bookmarks.begin());
}

bool ShiftBookmarks(std::vector<Bookmark>& bookmarks, const LineShift& shift, int* chosen) {
  bool changed = false;
  std::vector<Bookmark> kept;
  kept.reserve(bookmarks.size());
  int newChosen = -1;
  for (std::size_t i = 0; i < bookmarks.size(); ++i) {
    const std::optional<LineIndex> moved = ShiftedLine(shift, ToIndex(bookmarks[i].line));
    if (!moved) {
      changed = true;
      continue;
    }
    if (chosen != nullptr && static_cast<int>(i) == *chosen) newChosen = static_cast<int>(kept.size());
    kept.push_back(bookmarks[i]);
    if (ToNumber(*moved) != bookmarks[i].line) {
      kept.back().line = ToNumber(*moved);
      changed = true;
    }
  }
  bookmarks = std::move(kept);
  if (chosen != nullptr) *chosen = newChosen;
  return changed;
}

}  // namespace editor
