// A search text made ready once per search, and the test of one line against it.
#pragma once

#include <string>
#include <string_view>

#include "base/word_delimiters.h"
#include "model/line_tokens.h"
#include "model/search_options.h"
#include "model/search_words.h"
#include "model/text_hits.h"

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
  // The longest search word, which an And search looks for in the line before splitting
  // it: a line that does not hold it anywhere cannot hold it as a word.
  std::string upperLongestWord;
};

struct PreparedSearch {
  SearchQuery query;
  SearchRefusal refusal = SearchRefusal::kNone;
};

PreparedSearch PrepareSearch(std::string_view text, SearchOptions options);

// Only lines of two or more characters, leading blanks aside, are tested.
inline bool IsSearchableLine(std::string_view line) { return WithoutLeadingBlanks(line).size() >= 2; }

// What a scan keeps from line to line: room for the tokens, split only when the test needs
// them, and where the search text and the longest word occur in the file.
struct LineTestState {
  LineTokens tokens;
  TextHits textHits;
  TextHits longestWordHits;
};

// The hits of the query's texts in the file that the lines will come from.
LineTestState StateForFile(const SearchQuery& query, std::string_view file);

// The line must be a view into the file the state was made for.
bool LineMatches(const SearchQuery& query, std::string_view line, LineTestState& state);

}  // namespace editor
