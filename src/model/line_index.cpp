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

// Whether the text at `at` reads as the upper-case word, letter case ignored.
bool WordAt(std::string_view text, std::size_t at, std::string_view upperWord) {
  if (text.size() - at < upperWord.size()) return false;
  for (std::size_t i = 0; i < upperWord.size(); ++i)
    if (AsciiUpper(text[at + i]) != upperWord[i]) return false;
  return true;
}

// The characters a block marker turns on: "/" of "/*" and "*/", "$" or "_" before ASM.
constexpr std::array<bool, 256> kMarkerLeadTable = [] {
  std::array<bool, 256> table{};
  for (const char c : {'/', '$', '_'}) table[static_cast<unsigned char>(c)] = true;
  return table;
}();

// The block markers: "/*" and "*/", and "$" or "_" before ASM or ENDASM in any case. This
// runs on every line of a full index, so it walks the line once, not once per marker: a
// search per marker costs more on lines this short.
void NoteMarkers(std::string_view trimmed, IndexedLine& line) {
  for (std::size_t at = 0; at < trimmed.size(); ++at) {
    const char c = trimmed[at];
    if (!kMarkerLeadTable[static_cast<unsigned char>(c)]) continue;
    if (c == '/') {
      if (at + 1 < trimmed.size() && trimmed[at + 1] == '*') line.opensComment = true;
      if (at > 0 && trimmed[at - 1] == '*') line.closesComment = true;
    } else {
      if (WordAt(trimmed, at + 1, "ASM")) line.opensAssembly = true;
      if (WordAt(trimmed, at + 1, "ENDASM")) line.closesAssembly = true;
    }
  }
}

// Whether the line's first word, read in place, is one that declares something: any other
// line is settled without reading its words into strings.
bool BeginsWithADeclaringWord(std::string_view trimmed) {
  std::size_t end = 0;
  while (end < trimmed.size() && !IsIndexDelimiter(trimmed[end], false)) ++end;
  const std::string_view first = trimmed.substr(0, end);
  for (const std::string_view word : {"SUB", "OPENWINDOW", "CREATEDIALOG", "$INCLUDE"})
    if (first.size() == word.size() && WordAt(first, 0, word)) return true;
  return false;
}

IndexedLine::Declares DeclarationOf(std::string_view upperWord) {
  using D = IndexedLine::Declares;
  if (upperWord == "SUB") return D::kSubroutine;
  if (upperWord == "OPENWINDOW" || upperWord == "CREATEDIALOG") return D::kWindow;
  if (upperWord == "$INCLUDE") return D::kInclude;
  return D::kNothing;
}

// The first two words of a line that begins with a declaring word, by the indexer's rules;
// the walk ends at an apostrophe, so a second word behind one never completes.
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
  if (!BeginsWithADeclaringWord(trimmed)) return line;
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
