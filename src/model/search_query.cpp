#include "model/search_query.h"

#include "base/letter_case.h"
#include "base/word_delimiters.h"

namespace editor {

std::string_view RefusalText(SearchRefusal refusal) {
  switch (refusal) {
    case SearchRefusal::kNone: return {};
    case SearchRefusal::kEmptyText: return "Please type what to search for.";
    case SearchRefusal::kNoWords: return "The search text holds no words to look for.";
    case SearchRefusal::kTooManyWords: return "A search can look for at most 100 words.";
    case SearchRefusal::kSearchActive: return "A search is still running or paused; stop it first.";
  }
  return {};
}

PreparedSearch PrepareSearch(std::string_view text, SearchOptions options) {
  PreparedSearch prepared;
  SearchQuery& query = prepared.query;
  query.text = std::string(Trimmed(text));
  query.upperText = UpperCase(query.text);
  query.options = options;
  if (query.text.empty()) {
    prepared.refusal = SearchRefusal::kEmptyText;
    return prepared;
  }
  if (options.mode == SearchMode::kExact) return prepared;
  query.words = SplitSearchWords(query.text);
  for (const std::string& word : query.words.upperWords)
    if (word.size() > query.upperLongestWord.size()) query.upperLongestWord = word;
  // Without words an And search would list every line and an Or search none.
  if (query.words.Count() == 0) prepared.refusal = SearchRefusal::kNoWords;
  if (query.words.TooMany()) prepared.refusal = SearchRefusal::kTooManyWords;
  return prepared;
}

LineTestState StateForFile(const SearchQuery& query, std::string_view file) {
  LineTestState state;
  state.textHits = TextHits(file, query.upperText);
  state.longestWordHits = TextHits(file, query.upperLongestWord);
  return state;
}

bool LineMatches(const SearchQuery& query, std::string_view line, LineTestState& state) {
  const SearchMode mode = query.options.mode;
  if (mode == SearchMode::kExact) return state.textHits.InLine(line);
  if (query.options.join == SearchJoin::kOr) {
    SplitLineTokens(line, state.tokens);
    return MatchedWordCount(state.tokens, query.words) > 0;
  }
  // A line that does not hold the longest word anywhere cannot hold it as a word.
  if (!state.longestWordHits.InLine(line)) return false;
  if (mode == SearchMode::kMixed && !state.textHits.InLine(line)) return false;
  SplitLineTokens(line, state.tokens);
  return MatchedWordCount(state.tokens, query.words) == query.words.Count();
}

}  // namespace editor
