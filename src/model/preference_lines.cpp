#include "model/preference_lines.h"

#include <algorithm>
#include <array>

#include "base/number_text.h"
#include "base/overloaded.h"
#include "base/settings_dialog_ids.h"

namespace editor {

namespace {

using P = EditorPreferences;
namespace s = settings;

constexpr int kMaxColour = 0xFFFFFF;
constexpr int kMaxVirtualKey = 255;

// The lines, in the file's order.
const std::array<PreferenceLine, kPreferenceLineCount> kLines{{
    {1, "colour word: 1 \"colour\", 0 \"color\"", s::kColourWordBox, "1", "1", &P::colourWordIsColour},
    {2, "editor font size (points)", s::kFontSizeValue, "12", "12", FontSizeField{}, 6, 72},
    {3, "editor font name", s::kFontNameValue, "Courier New", "Courier New", FontNameField{}},
    {4, "key word case: 1 upper, 2 lower, 3 as typed", s::kUppercaseButton, "1", "1", &P::keywordCase},
    {5, "file background colour", s::kFileBackgroundSwatch, "13882323", "13882323", &P::fileBackground, 0, kMaxColour},
    {6, "window background colour", s::kWindowBackgroundSwatch, "13882323", "15195879", &P::windowBackground, 0,
     kMaxColour},
    {7, "auto jump to selections", s::kAutoJumpBox, "1", "0", &P::autoJumpToSelections},
    {8, "show confirmation messages", s::kConfirmationsBox, "1", "1", &P::showConfirmations},
    {9, "maximum open files", 0, "6", "6", &P::maxOpenFiles, 1, 6},
    {10, "colour word again", 0, "1", "1", &P::colourWordIsColour},
    {11, "save files when closing the editor", s::kSaveFilesOnExitBox, "1", "1", &P::saveFilesWhenClosingEditor},
    {12, "save a file when closing it", s::kSaveFileOnCloseBox, "1", "1", &P::saveFileWhenClosing},
    {13, "lines to scroll per mouse-wheel step", s::kWheelLinesBox, "1", "4", &P::wheelLines, 0, 100},
    {14, "show tooltips", s::kTooltipsBox, "1", "1", &P::showTooltips},
    {15, "main window timer interval (ms)", 0, "10", "10", &P::timerIntervalMs, 1, 3'600'000},
    {16, "reserved", 0, "120000", "120000", &P::reserved},
    {17, "undo key", 0, "112", "112", &P::undoKey, 0, kMaxVirtualKey},
    {18, "redo key", 0, "113", "113", &P::redoKey, 0, kMaxVirtualKey},
    {19, "undo-all key", 0, "114", "114", &P::undoAllKey, 0, kMaxVirtualKey},
    {20, "redo-all key", 0, "115", "115", &P::redoAllKey, 0, kMaxVirtualKey},
    {21, "tab spacing (characters)", s::kTabSpacingBox, "3", "3", &P::tabSpacing, 0, 64},
    {22, "tab stop width", 0, "12", "12", &P::tabStopWidth, 0, 256},
    {23, "auto complete key words", s::kAutoCompleteBox, "1", "1", &P::autoCompleteKeywords},
    {24, "round bracket colour", s::kRoundBracketSwatch, "255", "255", &P::roundBracket, 0, kMaxColour},
    {25, "square bracket colour", s::kSquareBracketSwatch, "128", "128", &P::squareBracket, 0, kMaxColour},
    {26, "local subroutine colour", s::kLocalSubroutineSwatch, "128", "128", &P::localSubroutine, 0, kMaxColour},
    {27, "local window colour", s::kLocalWindowSwatch, "128", "128", &P::localWindow, 0, kMaxColour},
    {28, "program debug", s::kProgramDebugBox, "0", "1", &P::programDebug},
    {29, "show edit coordinates", s::kEditCoordinatesBox, "0", "1", &P::showEditCoordinates},
    {30, "close the subroutine search window on a selection", s::kCloseSubSearchBox, "1", "1",
     &P::closeSubroutineSearchOnSelection},
    {31, "number colour", s::kNumberSwatch, "26112", "26112", &P::number, 0, kMaxColour},
    {32, "constants colour", s::kConstantsSwatch, "25783", "36095", &P::constants, 0, kMaxColour},
    {33, "definition colour", s::kDefinitionSwatch, "255", "255", &P::definition, 0, kMaxColour},
    {34, "preprocessor key word colour", s::kPreprocessorSwatch, "6908265", "6908265", &P::preprocessor, 0,
     kMaxColour},
    {35, "key word colour", s::kKeywordSwatch, "16711680", "16711680", &P::keyword, 0, kMaxColour},
    {36, "assembly colour", s::kAssemblySwatch, "6908265", "6908265", &P::assembly, 0, kMaxColour},
    {37, "find extent First preset", s::kFindFirstBox, "0", "0", &P::findFirst},
    {38, "find extent All preset", s::kFindAllBox, "1", "0", &P::findAll},
    {39, "find extent Last preset", s::kFindLastBox, "0", "0", &P::findLast},
    {40, "find join And preset", s::kAndBox, "1", "0", &P::joinAnd},
    {41, "find join Or preset", s::kOrBox, "0", "0", &P::joinOr},
    {42, "remember places", s::kRememberPlacesBox, "1", "0", &P::rememberPlaces},
    {43, "allow duplicate places", s::kAllowDuplicatesBox, "1", "0", &P::allowDuplicatePlaces},
    {44, "control colour", s::kControlSwatch, "128", "128", &P::control, 0, kMaxColour},
    {45, "line highlight colour", s::kLineHighlightSwatch, "255", "255", &P::lineHighlight, 0, kMaxColour},
    {46, "window text colour", s::kWindowTextSwatch, "0", "128", &P::windowText, 0, kMaxColour},
    {47, "line default colour (the gutter's text)", s::kLineDefaultSwatch, "0", "0", &P::lineDefault, 0, kMaxColour},
}};

// The key word lookup writes lower case for any value but 1 and 3.
KeywordCase CaseOf(int value) {
  if (value == 1) return KeywordCase::kUppercase;
  if (value == 3) return KeywordCase::kAsTyped;
  return KeywordCase::kLowercase;
}

bool IsFontName(std::string_view text) {
  if (text.empty() || text.size() > kMaxFontNameLength) return false;
  return std::ranges::none_of(text, [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
  });
}

}  // namespace

std::span<const PreferenceLine> PreferenceLines() { return kLines; }

std::string LineText(const EditorPreferences& prefs, const PreferenceLine& line) {
  return std::visit(
      Overloaded{
          [&](bool P::*field) { return std::string(prefs.*field ? "1" : "0"); },
          [&](int P::*field) { return std::to_string(prefs.*field); },
          [&](ui::Colour P::*field) { return std::to_string(prefs.*field); },
          [&](KeywordCase P::*field) { return std::to_string(static_cast<int>(prefs.*field)); },
          [&](FontNameField) { return prefs.editorFont.face; },
          [&](FontSizeField) { return std::to_string(prefs.editorFont.pointSize); },
      },
      line.field);
}

bool TakeLineText(EditorPreferences& prefs, const PreferenceLine& line, std::string_view text) {
  if (std::holds_alternative<FontNameField>(line.field)) {
    if (!IsFontName(text)) return false;
    prefs.editorFont.face = std::string(text);
    return true;
  }
  const bool isNumber = ReadNumberText(text).found;
  const int value = RoundedNumber(text, line.minimum, line.maximum);
  std::visit(Overloaded{
                 [&](bool P::*field) { prefs.*field = value != 0; },
                 [&](int P::*field) { prefs.*field = value; },
                 [&](ui::Colour P::*field) { prefs.*field = static_cast<ui::Colour>(value); },
                 [&](KeywordCase P::*field) { prefs.*field = CaseOf(value); },
                 [&](FontNameField) {},
                 [&](FontSizeField) { prefs.editorFont.pointSize = value; },
             },
             line.field);
  return isNumber;
}

}  // namespace editor
