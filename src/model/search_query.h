// A search text made ready once per search, and the test of one line against it.
#pragma once

#include <string>
#include <string_view>

#include "model/line_tokens.h"
#include "model/search_options.h"
#include "model/search_words.h"

namespace editor {

// Why a search text cannot be searched for; kNone when it can.
// kSearchActive: another search runs or is paused.
enum class SearchRefusal { kNone, kEmptyText, kNoWords, kTooManyWords, kSearchActive };

// A sentence the caller can show for a refusal; empty for kNone.
std::string_view RefusalText(SearchRefusal refusal);

struct SearchQuery {
  std::string text;       // as typed, blanks at either end removed
  std::string upperText;  // for the exact test
  SearchOptions options;
  SearchWordList words;   // empty in the exact mode
};

struct PreparedSearch {
  SearchQuery query;
  SearchRefusal refusal = SearchRefusal::kNone;
};

PreparedSearch PrepareSearch(std::string_view text, SearchOptions options);

// Only lines of two or more characters, leading blanks aside, are tested.
bool IsSearchableLine(std::string_view line);

// The line's tokens are those SplitLineTokens gives; the exact mode needs none of them.
bool LineMatches(const SearchQuery& query, std::string_view line, const LineTokens& tokens);

// Whether a test under these options reads every token of the line.
bool NeedsAllTokens(const SearchOptions& options);

}  // namespace editor
