#include "model/line_index.h"

#include <algorithm>
#include <array>

#include "base/word_delimiters.h"
#include "model/keyword_case.h"

namespace editor {

namespace {

// The wider delimiter set of the indexer. "_" belongs to words; TAB separates words
// here as it does everywhere else in the editor.
constexpr std::string_view kIndexDelimiters = "\"' ,-+()[]=:<>&|.\\/%*!^~#?\r\n\t";

constexpr std::array<bool, 256> kIndexDelimiterTable = [] {
  std::array<bool, 256> table{};
  for (const char c : kIndexDelimiters) table[static_cast<unsigned char>(c)] = true;
  return table;
}();

// A table, not a search: this runs for every character of every line of a full index.
bool IsIndexDelimiter(char c, bool keepDot) {
  if (keepDot && c == '.') return false;
  return kIndexDelimiterTable[static_cast<unsigned char>(c)];
}

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// Whether the text at `at` reads as the upper-case word, letter case ignored.
bool WordAt(std::string_view text, std::size_t at, std::string_view upperWord) {
  if (text.size() - at < upperWord.size()) return false;
  for (std::size_t i = 0; i < upperWord.size(); ++i)
    if (AsciiUpper(text[at + i]) != upperWord[i]) return false;
  return true;
}

// "$" or "_" followed by the word in any case; no upper-cased copy of every line.
bool HasAssemblyMarker(std::string_view text, std::string_view upperWord) {
  for (const char lead : {'$', '_'})
    for (std::size_t at = text.find(lead); at != std::string_view::npos; at = text.find(lead, at + 1))
      if (WordAt(text, at + 1, upperWord)) return true;
  return false;
}

void NoteMarkers(std::string_view trimmed, IndexedLine& line) {
  line.opensComment = Contains(trimmed, "/*");
  line.closesComment = Contains(trimmed, "*/");
  line.opensAssembly = HasAssemblyMarker(trimmed, "ASM");
  line.closesAssembly = HasAssemblyMarker(trimmed, "ENDASM");
}

IndexedLine::Declares DeclarationOf(std::string_view upperWord) {
  using D = IndexedLine::Declares;
  if (upperWord == "SUB") return D::kSubroutine;
  if (upperWord == "OPENWINDOW" || upperWord == "CREATEDIALOG") return D::kWindow;
  if (upperWord == "$INCLUDE") return D::kInclude;
  return D::kNothing;
}

// The first two words by the indexer's rules; the walk ends at an apostrophe, so a
// second word behind one never completes.
struct FirstWords {
  std::string first;
  std::string second;
  bool secondComplete = false;
};

FirstWords ReadFirstWords(std::string_view text) {
  FirstWords words;
  std::string current;
  int completed = 0;
  bool include = false;
  bool firstChecked = false;
  auto complete = [&] {
    if (current.empty()) return;
    if (++completed == 1) {
      words.first = current;
      include = WordAt(current, 0, "$INCLUDE") && current.size() == 8;
    } else {
      words.second = current;
      words.secondComplete = true;
    }
    current.clear();
  };
  for (std::size_t i = 0; i < text.size() && completed < 2; ++i) {
    const char c = text[i];
    if (c == '\'') return words;
    if (c == '"' && include) continue;
    if (c == '"') {
      complete();
      const std::size_t close = text.find('"', i + 1);
      if (close == std::string_view::npos) return words;
      i = close;
      continue;
    }
    if (IsIndexDelimiter(c, include))
      complete();
    else
      current.push_back(c);
    if (completed == 1 && !firstChecked) {
      firstChecked = true;
      const std::string upper = UpperCase(words.first);
      if (DeclarationOf(upper) == IndexedLine::Declares::kNothing && upper != "CONTROL") return words;
    }
  }
  if (completed < 2) complete();  // the end of the text ends a word too
  return words;
}

}  // namespace

std::string_view FirstQuotedText(std::string_view text) {
  const std::size_t open = text.find('"');
  if (open == std::string_view::npos) return {};
  const std::size_t close = text.find('"', open + 1);
  if (close == std::string_view::npos) return {};
  return text.substr(open + 1, close - open - 1);
}

IndexedLine IndexLine(std::string_view text) {
  IndexedLine line;
  const std::string_view trimmed = Trimmed(text);
  NoteMarkers(trimmed, line);
  if (trimmed.empty()) return line;
  const char lead = AsciiUpper(trimmed.front());
  if (lead != 'S' && lead != 'O' && lead != '$' && lead != 'C') return line;
  const FirstWords words = ReadFirstWords(trimmed);
  if (!words.secondComplete) return line;
  line.declares = DeclarationOf(UpperCase(words.first));
  switch (line.declares) {
    case IndexedLine::Declares::kSubroutine: line.name = words.second; break;
    case IndexedLine::Declares::kWindow:
      line.name = words.second;
      line.title = FirstQuotedText(trimmed);
      break;
    case IndexedLine::Declares::kInclude: {
      // A quoted name is taken whole, so that a path keeps its folders.
      const std::string_view quoted = FirstQuotedText(trimmed);
      line.name = quoted.empty() ? words.second : std::string(quoted);
      break;
    }
    case IndexedLine::Declares::kNothing: break;
  }
  return line;
}

}  // namespace editor
