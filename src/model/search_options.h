// How a search tests lines and which of the matching lines it lists.
#pragma once

namespace editor {

// Exact: the search text anywhere in the line, letter case ignored. Words: the line's
// words against the search words. Mixed: the words, and under And the exact text too.
enum class SearchMode { kExact, kWords, kMixed };

// For the word modes: every search word must be on the line, or any one of them.
enum class SearchJoin { kAnd, kOr };

// First: the first matching line only. All: every one, top to bottom. Last: every one,
// from the bottom line up.
enum class SearchExtent { kFirst, kAll, kLast };

struct SearchOptions {
  SearchMode mode = SearchMode::kExact;
  SearchJoin join = SearchJoin::kAnd;
  SearchExtent extent = SearchExtent::kAll;
  // Clicking a result moves the editor to its line.
  bool goToSelectedLine = false;
};

}  // namespace editor
