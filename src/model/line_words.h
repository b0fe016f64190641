// Splitting a source line into its words: quoted text is skipped, a word has at least
// two characters, and TABs are counted as the line's indentation.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace editor {

struct LineWords {
  std::vector<std::string> words;
  int tabs = 0;

  int Count() const { return static_cast<int>(words.size()); }
  // Word n, 1-based, or empty when the line has fewer words.
  std::string_view Word(int n) const {
    return n >= 1 && n <= Count() ? std::string_view(words[static_cast<std::size_t>(n - 1)]) : std::string_view();
  }
  // Word n upper-cased compared with an upper-case name.
  bool WordIs(int n, std::string_view upperName) const;
};

LineWords SplitWords(std::string_view line);

}  // namespace editor
