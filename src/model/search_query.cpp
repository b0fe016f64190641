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
  // Without words an And search would list every line and an Or search none.
  if (query.words.Count() == 0) prepared.refusal = SearchRefusal::kNoWords;
  if (query.words.TooMany()) prepared.refusal = SearchRefusal::kTooManyWords;
  return prepared;
}

bool IsSearchableLine(std::string_view line) { return WithoutLeadingBlanks(line).size() >= 2; }

bool NeedsAllTokens(const SearchOptions& options) { return options.mode != SearchMode::kExact; }

bool LineMatches(const SearchQuery& query, std::string_view line, const LineTokens& tokens) {
  const auto holdsText = [&] { return FindIgnoringCase(line, query.upperText) != std::string_view::npos; };
  if (query.options.mode == SearchMode::kExact) return holdsText();
  const int matched = MatchedWordCount(tokens, query.words);
  if (query.options.join == SearchJoin::kOr) return matched > 0;
  if (matched != query.words.Count()) return false;
  return query.options.mode == SearchMode::kWords || holdsText();
}

}  // namespace editor
