// The words of one source line as a search sees them: text in double quotes and the
// comment after an apostrophe hold none, and a word has at least two characters.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "model/search_words.h"

namespace editor {

// Views into the line, which must outlive them. Reused from line to line so that a scan
// does not allocate per line.
struct LineTokens {
  std::vector<std::string_view> tokens;

  int Count() const { return static_cast<int>(tokens.size()); }
  // Token n, 1-based, or empty when the line has fewer.
  std::string_view Token(int n) const {
    return n >= 1 && n <= Count() ? tokens[static_cast<std::size_t>(n - 1)] : std::string_view();
  }
};

// Every delimiter ends a word, TAB included (a TAB between two words must not join
// them). At most `limit` tokens are taken: owner tracking needs only the first two.
void SplitLineTokens(std::string_view line, LineTokens& into, std::size_t limit = static_cast<std::size_t>(-1));

// How many of the search words equal a token of the line, letter case ignored; each word
// counts once however often it occurs.
int MatchedWordCount(const LineTokens& line, const SearchWordList& words);

}  // namespace editor
