#include "model/search_words.h"

#include "base/letter_case.h"
#include "base/word_delimiters.h"

namespace editor {

SearchWordList SplitSearchWords(std::string_view text) {
  SearchWordList list;
  std::string word;
  auto store = [&] {
    if (!word.empty()) list.upperWords.push_back(UpperCase(word));
    word.clear();
  };
  for (const char c : text) {
    if (DelimiterCode(c) == delimiter::kNone)
      word.push_back(c);
    else
      store();
  }
  store();
  return list;
}

}  // namespace editor
