#include "model/line_words.h"

#include "base/word_delimiters.h"
#include "model/keyword_case.h"

namespace editor {

bool LineWords::WordIs(int n, std::string_view upperName) const {
  const std::string_view word = Word(n);
  if (word.size() != upperName.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i)
    if (AsciiUpper(word[i]) != upperName[i]) return false;
  return true;
}

LineWords SplitWords(std::string_view line) {
  LineWords result;
  std::string word;
  auto endWord = [&] {
    if (word.size() >= 2) result.words.push_back(word);
    word.clear();
  };
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '\t') ++result.tabs;
    const int code = DelimiterCode(c);
    if (code == delimiter::kQuote) {
      endWord();
      const std::size_t close = line.find('"', i + 1);
      if (close == std::string_view::npos) break;
      i = close;
    } else if (code != delimiter::kNone) {
      endWord();
    } else {
      word.push_back(c);
    }
  }
  endWord();
  return result;
}

}  // namespace editor
