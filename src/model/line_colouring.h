// The colours of one source line, worked out in memory: the whole line in Text, then
// its comments, quotations, digits, hexadecimal literal, brackets and words in their
// category colours, each later paint over the earlier ones. Dialect words are recased
// on the way. Applying the result to the control is another step (colour_passes).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/positions.h"
#include "model/editor_preferences.h"
#include "model/keyword_table.h"
#include "model/line_ranges.h"
#include "platform/types.h"

namespace editor {

// The colours a line pass paints with.
struct LineColourScheme {
  static constexpr ui::Colour kHexLiteral = ui::Rgb(105, 105, 105);  // no preference of its own

  ui::Colour text = 0;
  ui::Colour comment = 0;
  ui::Colour quotation = 0;
  ui::Colour number = 0;
  ui::Colour roundBracket = 0;
  ui::Colour squareBracket = 0;
  ui::Colour localSubroutine = 0;
  ui::Colour localWindow = 0;
  ui::Colour control = 0;
  ui::Colour preprocessor = 0;  // whole lines of assembly blocks
};

LineColourScheme LineColourSchemeFrom(const EditorPreferences& prefs);

// The file's own names: its subroutines, windows and controls.
class LocalNames {
 public:
  virtual bool IsSubroutine(std::string_view word) const = 0;
  virtual bool IsWindow(std::string_view word) const = 0;
  virtual bool IsControl(std::string_view word) const = 0;

 protected:
  ~LocalNames() = default;
};

// Everything a line pass reads besides the line itself.
struct LineColourContext {
  const KeywordTable& keywords;
  KeywordCase wordCase;
  const LineColourScheme& scheme;
  const LineRanges& blockComments;
  const LineRanges& assemblyBlocks;
  const LocalNames& names;
};

// A word rewritten in place; the text has the length of what it replaces.
struct Recasing {
  int start = 0;
  std::string text;
  friend bool operator==(const Recasing&, const Recasing&) = default;
};

struct LineColours {
  std::vector<ui::Colour> colours;  // one per character of the line text
  std::vector<Recasing> recasings;  // in line order, never overlapping
  int lastKeywordSlot = 0;          // the last dialect word found, 0 for none
};

// One run of equal colour, in line offsets.
struct ColourRun {
  int start = 0;
  int length = 0;
  ui::Colour colour = 0;
  friend bool operator==(const ColourRun&, const ColourRun&) = default;
};

// The line's text is as the control's get-line gives it: with its CR when it has one.
LineColours ColourLine(std::string_view text, LineIndex lineIndex, const LineColourContext& context);

// Consecutive characters of one colour, in order.
std::vector<ColourRun> RunsOf(const std::vector<ui::Colour>& colours);

}  // namespace editor
