// The words of a search text, for the word modes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace editor {

// Upper-cased, in the order typed; one-character words are kept but no line word ever
// equals them, as lines have no one-character words.
struct SearchWordList {
  static constexpr int kLimit = 100;

  std::vector<std::string> upperWords;

  int Count() const { return static_cast<int>(upperWords.size()); }
  bool TooMany() const { return Count() > kLimit; }
};

// The runs of word characters between delimiters, blanks and TABs included, the last word
// kept whether or not a delimiter follows it. All of them are returned, beyond the limit
// too, so that the caller can refuse a list that is too long rather than drop words.
SearchWordList SplitSearchWords(std::string_view text);

}  // namespace editor
