#include "prefs/colour_rows.h"

#include <array>

#include "base/settings_dialog_ids.h"

namespace editor {

namespace {

using P = EditorPreferences;
namespace s = settings;
using ui::Rgb;

const std::array<ColourRow, 19> kRows{{
    {s::kTextSwatch, "File default text ", "Text ", &P::text, Rgb(0, 0, 0)},
    {s::kKeywordSwatch, "Key word ", "Key word ", &P::keyword, Rgb(0, 0, 255)},
    {s::kConstantsSwatch, "Constants ", "Constant ", &P::constants, Rgb(183, 100, 0)},
    {s::kPreprocessorSwatch, "Preprocessor ", "Preprocessor ($) ", &P::preprocessor, Rgb(105, 105, 105)},
    {s::kAssemblySwatch, "Assembly ", "Assembly ", &P::assembly, Rgb(105, 105, 105)},
    {s::kDefinitionSwatch, "Definition ", "Definition ", &P::definition, Rgb(255, 0, 0)},
    {s::kCommentSwatch, "Comment ", "Comment ", &P::comment, Rgb(0, 102, 0)},
    {s::kQuotationSwatch, "Quotation ", "Quotation ", &P::quotation, Rgb(148, 0, 211)},
    {s::kNumberSwatch, "Number ", "Numbers ", &P::number, Rgb(0, 102, 0)},
    {s::kRoundBracketSwatch, "Round bracket ", "Round bracket ", &P::roundBracket, Rgb(255, 0, 0)},
    {s::kSquareBracketSwatch, "Square bracket ", "Square bracket ", &P::squareBracket, Rgb(128, 0, 0)},
    {s::kLocalSubroutineSwatch, "Local subroutine ", "Local subroutine ", &P::localSubroutine, Rgb(128, 0, 0)},
    {s::kLocalWindowSwatch, "Local window ", "Local window ", &P::localWindow, Rgb(128, 0, 0)},
    {s::kControlSwatch, "Control ", "Control ", &P::control, Rgb(128, 0, 0)},
    {s::kFileBackgroundSwatch, "File background ", "Text background ", &P::fileBackground, Rgb(211, 211, 211)},
    {s::kWindowBackgroundSwatch, "Window background ", "Window background ", &P::windowBackground,
     Rgb(231, 222, 231)},
    {s::kWindowTextSwatch, "Window text ", "Window text ", &P::windowText, Rgb(0, 0, 0)},
    {s::kLineDefaultSwatch, "Line default ", "Line default ", &P::lineDefault, Rgb(0, 0, 0)},
    {s::kLineHighlightSwatch, "Line Highlight ", "Line Highlight ", &P::lineHighlight, Rgb(255, 0, 0)},
}};

}  // namespace

std::span<const ColourRow> ColourRows() { return kRows; }

const ColourRow* FindColourRow(ui::ControlId swatch) {
  for (const ColourRow& row : kRows)
    if (row.swatch == swatch) return &row;
  return nullptr;
}

std::string ColourLabel(std::string_view label, const EditorPreferences& prefs) {
  return std::string(label) + prefs.ColourWord();
}

}  // namespace editor
