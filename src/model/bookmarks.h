// Bookmarks: lines of the file on screen, each with an optional description, in the order
// they were added; and the text of their entries in the bookmark list and state file.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/positions.h"
#include "model/line_shift.h"

namespace editor {

struct Bookmark {
  LineNumber line = kNoLine;
  std::string description;

  friend bool operator==(const Bookmark&, const Bookmark&) = default;
};

// "line description", or the line alone when there is no description.
std::string BookmarkEntry(const Bookmark& bookmark);
// The entry's line is the text before its first blank; nullopt when that is not a line
// number (a damaged state file), since such an entry can take the user nowhere.
std::optional<Bookmark> ParseBookmarkEntry(std::string_view entry);

// The 0-based index of the bookmark on this line, or nullopt.
std::optional<int> FindBookmark(const std::vector<Bookmark>& bookmarks, LineNumber line);

// Lines come or go: bookmarks at or after the edit follow their lines, and a bookmark
// whose line lost its start is dropped. True when any bookmark moved or went. A chosen
// index follows its bookmark, and becomes -1 when that bookmark went.
bool ShiftBookmarks(std::vector<Bookmark>& bookmarks, const LineShift& shift, int* chosen = nullptr);

}  // namespace editor
