#include "model/line_tokens.h"

#include <algorithm>

#include "base/letter_case.h"
#include "base/word_delimiters.h"

namespace editor {

void SplitLineTokens(std::string_view line, LineTokens& into, std::size_t limit) {
  into.tokens.clear();
  std::size_t wordStart = 0;
  auto store = [&](std::size_t wordEnd) {
    if (wordEnd - wordStart >= 2 && into.tokens.size() < limit)
      into.tokens.push_back(line.substr(wordStart, wordEnd - wordStart));
  };
  std::size_t i = 0;
  for (; i < line.size() && into.tokens.size() < limit; ++i) {
    const int code = DelimiterCode(line[i]);
    if (code == delimiter::kNone) continue;
    store(i);
    if (code == delimiter::kApostrophe) return;
    if (code == delimiter::kQuote) {
      const std::size_t close = line.find('"', i + 1);
      if (close == std::string_view::npos) return;
      i = close;
    }
    wordStart = i + 1;
  }
  store(i);
}

int MatchedWordCount(const LineTokens& line, const SearchWordList& words) {
  int matched = 0;
  for (const std::string& word : words.upperWords) {
    const bool found = std::ranges::any_of(line.tokens, [&word](std::string_view token) {
      return token.size() == word.size() && EqualIgnoringCase(token, word);
    });
    if (found) ++matched;
  }
  return matched;
}

}  // namespace editor
