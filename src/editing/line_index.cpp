#include "editing/line_index.h"

#include <algorithm>

#include "editing/keyword_case.h"
#include "editing/word_delimiters.h"

namespace editor {

namespace {

// The wider delimiter set of the indexer. "_" belongs to words; TAB separates words
// here as it does everywhere else in the editor.
constexpr std::string_view kIndexDelimiters = "\"' ,-+()[]=:<>&|.\\/%*!^~#?\r\n\t";

bool IsIndexDelimiter(char c, bool keepDot) {
  if (keepDot && c == '.') return false;
  return kIndexDelimiters.find(c) != std::string_view::npos;
}

std::string Upper(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(), AsciiUpper);
  return upper;
}

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

void NoteMarkers(std::string_view trimmed, IndexedLine& line) {
  line.opensComment = Contains(trimmed, "/*");
  line.closesComment = Contains(trimmed, "*/");
  const std::string upper = Upper(trimmed);
  line.opensAssembly = Contains(upper, "$ASM") || Contains(upper, "_ASM");
  line.closesAssembly = Contains(upper, "$ENDASM") || Contains(upper, "_ENDASM");
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
  auto complete = [&] {
    if (current.empty()) return;
    if (++completed == 1) {
      words.first = current;
      include = Upper(current) == "$INCLUDE";
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
    if (completed == 1 && DeclarationOf(Upper(words.first)) == IndexedLine::Declares::kNothing &&
        Upper(words.first) != "CONTROL")
      return words;
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
  line.declares = DeclarationOf(Upper(words.first));
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
