// Source text as any file may hold it, through everything that reads a program: the save
// form, the control index, the line colouring, the bracket counter, the search words and
// the transpose. Besides not faulting, the save form keeps every line, the index of the
// whole text is the index of its lines one by one, and the colouring gives one colour a
// character.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/text_lines.h"
#include "base/word_delimiters.h"
#include "editing/bracket_counter.h"
#include "fuzz/fuzz_check.h"
#include "model/control_index.h"
#include "model/editor_preferences.h"
#include "model/keyword_case.h"
#include "model/keyword_table.h"
#include "model/line_index.h"
#include "model/line_colouring.h"
#include "model/line_ranges.h"
#include "model/line_transpose.h"
#include "model/search_query.h"
#include "model/search_words.h"
#include "model/source_file.h"

namespace {

std::vector<std::string> LinesOf(std::string_view text) {
  std::vector<std::string> lines;
  editor::ForEachLine(text, [&](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

class NoNames final : public editor::LocalNames {
 public:
  bool IsSubroutine(std::string_view) const override { return false; }
  bool IsWindow(std::string_view) const override { return false; }
  bool IsControl(std::string_view) const override { return false; }
};

struct Colouring {
  editor::EditorPreferences prefs;
  editor::KeywordTable keywords{editor::KeywordColoursFrom(prefs)};
  editor::LineColourScheme scheme = editor::LineColourSchemeFrom(prefs);
  editor::LineRanges none;
  NoNames names;
};

void CheckSaveForm(std::string_view text, const std::vector<std::string>& lines) {
  const std::string saved = editor::SaveFormOf(text, editor::HexLiterals::kAsTheyAre);
  fuzz::Check(LinesOf(saved) == lines, "the save form, loaded again, gives other lines");
  fuzz::Check(editor::SaveFormOf(saved, editor::HexLiterals::kAsTheyAre) == saved, "saving a saved text changes it");
}

void CheckControlIndex(std::string_view text, const std::vector<std::string>& lines) {
  std::vector<editor::ControlEntry> byLine;
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (auto entry = editor::ControlOfLine(lines[i], editor::LineNumber(static_cast<int>(i) + 1))) byLine.push_back(*entry);
  std::vector<editor::ControlEntry> whole = editor::IndexControls(text);
  for (editor::ControlEntry& entry : whole) entry.caseLine = editor::kNoLine;  // found across lines
  for (editor::ControlEntry& entry : byLine) entry.caseLine = editor::kNoLine;
  fuzz::Check(whole == byLine, "the whole text's controls differ from its lines' controls");
}

// The indexer finds block markers in one walk and settles most lines by their first word
// in place; plain searches must agree with it.
void CheckLineIndex(const std::vector<std::string>& lines) {
  const auto holds = [](const std::string& upper, std::string_view part) { return upper.find(part) != std::string::npos; };
  for (std::size_t i = 0; i < lines.size() && i < 200; ++i) {
    const editor::IndexedLine indexed = editor::IndexLine(lines[i]);
    const std::string upper = editor::UpperCase(lines[i]);
    fuzz::Check(indexed.opensComment == holds(upper, "/*") && indexed.closesComment == holds(upper, "*/"),
                "a comment marker found otherwise than by a search");
    fuzz::Check(indexed.opensAssembly == (holds(upper, "$ASM") || holds(upper, "_ASM")) &&
                    indexed.closesAssembly == (holds(upper, "$ENDASM") || holds(upper, "_ENDASM")),
                "an assembly marker found otherwise than by a search");
    if (indexed.declares == editor::IndexedLine::Declares::kNothing) continue;
    const std::string_view first = editor::Trimmed(upper).substr(0, 12);
    fuzz::Check(first.starts_with("SUB") || first.starts_with("OPENWINDOW") || first.starts_with("CREATEDIALOG") ||
                    first.starts_with("$INCLUDE"),
                "a line declares what its first word does not");
  }
}

void CheckLines(const std::vector<std::string>& lines, const Colouring& c) {
  const editor::LineColourContext context{c.keywords, editor::KeywordCase::kUppercase, c.scheme, c.none, c.none, c.names};
  for (std::size_t i = 0; i < lines.size() && i < 200; ++i) {
    const editor::LineColours colours = editor::ColourLine(lines[i], editor::LineIndex(static_cast<int>(i)), context);
    fuzz::Check(colours.colours.size() == lines[i].size(), "a line's colours do not match its characters");
    int end = 0;
    for (const editor::Recasing& recasing : colours.recasings) {
      fuzz::Check(recasing.start >= end, "recasings overlap or go backwards");
      end = recasing.start + static_cast<int>(recasing.text.size());
      fuzz::Check(end <= static_cast<int>(lines[i].size()), "a recasing runs past its line");
    }
    const editor::BracketCounts counts = editor::CountBrackets(lines[i]);
    fuzz::Check(counts.openRound + counts.closeRound + counts.openSquare + counts.closeSquare <=
                    static_cast<int>(lines[i].size()),
                "more brackets than characters");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const Colouring colouring;
  const std::string_view text = fuzz::Bytes(data, size);
  const std::vector<std::string> lines = LinesOf(text);
  CheckSaveForm(text, lines);
  CheckControlIndex(text, lines);
  CheckLineIndex(lines);
  CheckLines(lines, colouring);

  const std::string_view firstLine = lines.empty() ? std::string_view() : std::string_view(lines.front());
  editor::SplitSearchWords(firstLine);
  editor::PrepareSearch(firstLine, editor::SearchOptions{});
  const std::string transposed = editor::TransposeLines(text, "=");
  fuzz::Check(LinesOf(transposed).size() == lines.size(), "the transpose changed the number of lines");
  return 0;
}
