#include "model/declaration_lines.h"

#include "base/letter_case.h"
#include "base/word_delimiters.h"
#include "model/line_index.h"
#include "model/line_words.h"

namespace editor {

namespace {

bool StartsWithAnyOf(std::string_view line, std::string_view letters) {
  return !line.empty() && letters.find(AsciiUpper(line.front())) != std::string_view::npos;
}

bool Contains(std::string_view upperLine, std::string_view upperWord) {
  return upperLine.find(upperWord) != std::string_view::npos;
}

}  // namespace

bool EndsDeclaration(Declaration kind, std::string_view line) {
  const std::string_view body = Trimmed(line);
  if (kind == Declaration::kSubroutine) {
    if (!StartsWithAnyOf(body, "SE")) return false;
    return SplitWords(body).WordIs(1, "ENDSUB");
  }
  if (!StartsWithAnyOf(body, "WEC")) return false;
  const LineWords words = SplitWords(body);
  return words.WordIs(1, "WAITUNTIL") || words.WordIs(1, "ENDSUB");
}

bool Declares(Declaration kind, std::string_view line, std::string_view name) {
  const IndexedLine indexed = IndexLine(line);
  const auto wanted =
      kind == Declaration::kSubroutine ? IndexedLine::Declares::kSubroutine : IndexedLine::Declares::kWindow;
  return indexed.declares == wanted && EqualIgnoringCase(indexed.name, name);
}

std::optional<std::string> HandlerNameIn(std::string_view line) {
  const std::string upper = UpperCase(line);
  if (!Contains(upper, "OPENWINDOW") && !Contains(upper, "CREATEDIALOG")) return std::nullopt;
  const std::size_t amp = line.find('&');
  if (amp == std::string_view::npos) return std::nullopt;
  const LineWords words = SplitWords(line.substr(amp + 1));
  if (words.Count() == 0) return std::nullopt;
  return std::string(words.Word(1));
}

std::optional<int> EndAmong(Declaration kind, std::string_view linesAfterBegin) {
  int index = 0;
  for (std::size_t at = 0; at < linesAfterBegin.size(); ++index) {
    const std::size_t cr = linesAfterBegin.find('\r', at);
    const std::size_t end = cr == std::string_view::npos ? linesAfterBegin.size() : cr;
    if (EndsDeclaration(kind, linesAfterBegin.substr(at, end - at))) return index;
    if (cr == std::string_view::npos) break;
    at = cr + 1;
  }
  return std::nullopt;
}

bool IsBlankLine(std::string_view line) { return Trimmed(line).empty(); }

}  // namespace editor
