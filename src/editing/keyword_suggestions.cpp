#include "editing/keyword_suggestions.h"

#include <algorithm>
#include <string>

#include "base/control_ids.h"
#include "base/letter_case.h"
#include "base/word_delimiters.h"
#include "view/controls_redraw_off.h"

namespace editor {

namespace {

constexpr int kListWidth = 300;
constexpr int kListHeight = 58;
constexpr ui::Point kBesideCaret{100, 118};
constexpr ui::Point kAboveFindBox{830, 530};
// Longer than any dialect word: a word reaching further back cannot be completed.
constexpr int kReachBeforeCaret = KeywordTable::kMaxWordLength + 1;

bool StartsWithUpper(std::string_view word, std::string_view upperPrefix) {
  return word.size() >= upperPrefix.size() && word.substr(0, upperPrefix.size()) == upperPrefix;
}

ui::Point WherePlaced(SuggestionPlace place, ui::Point caret) {
  switch (place) {
    case SuggestionPlace::kAtCaret: return {caret.x + kBesideCaret.x, caret.y + kBesideCaret.y};
    case SuggestionPlace::kByFindBox: return kAboveFindBox;
  }
  return kBesideCaret;
}

ui::ControlId FieldOf(SuggestionPlace place) {
  switch (place) {
    case SuggestionPlace::kAtCaret: return kEditor;
    case SuggestionPlace::kByFindBox: return kFindBox;
  }
  return kEditor;
}

std::string_view TrimmedToFirstLine(std::string_view text) {
  text = text.substr(0, text.find('\r'));
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

void ShowRow(Editor& editor, const Suggestion& found, SuggestionPlace place, ui::Point caret) {
  ui::Window& window = *editor.main;
  ViewState& view = editor.view;
  if (view.suggestionRow != found.row && view.suggestionRow < window.ViewRowCount(kAutoCompleteList))
    window.ViewSelect(kAutoCompleteList, view.suggestionRow, false);
  window.ViewSelect(kAutoCompleteList, found.row, true);
  window.ViewEnsureVisible(kAutoCompleteList, found.row);
  const ui::Point at = WherePlaced(place, caret);
  window.MoveControl(kAutoCompleteList, {at.x, at.y, kListWidth, kListHeight});
  window.ShowControl(kAutoCompleteList, true);
  view.suggestionRow = found.row;
  view.suggestionMatch = found.match;
  view.suggestionField = FieldOf(place);
}

}  // namespace

bool MayBeSuggested(std::string_view word) {
  if (word.size() < 2) return false;
  const auto first = static_cast<unsigned char>(word.front());
  if (first == '$' || first == '_') return true;
  if (first < '@' || (first >= '[' && first <= '`')) return false;
  const char upper = static_cast<char>(first & ~0x20);
  return upper != 'Q' && upper != 'X' && upper != 'Y' && upper != 'Z';
}

Suggestion FindSuggestion(const KeywordTable& table, std::string_view typed) {
  const std::string wanted = UpperCase(typed);
  const bool constant = wanted.starts_with('@');
  for (int slot = 1; slot <= table.WordCount(); ++slot) {
    const std::string_view word = table.WordAt(slot);
    if (word.starts_with('@') != constant || !StartsWithUpper(word, wanted)) continue;
    return {slot, word.size() == wanted.size() ? 2 : 1};
  }
  return {};
}

std::string_view WordEndingText(std::string_view text, bool* followsDelimiter) {
  std::size_t start = text.size();
  while (start > 0 && DelimiterCode(text[start - 1]) == delimiter::kNone) --start;
  if (followsDelimiter != nullptr) *followsDelimiter = start > 0;
  return text.substr(start);
}

void FillSuggestionList(Editor& editor) {
  if (!editor.main || !editor.keywordTable) return;
  ui::Window& window = *editor.main;
  const KeywordTable& table = *editor.keywordTable;
  if (window.ViewRowCount(kAutoCompleteList) == table.WordCount() + 1) return;
  const ControlsRedrawOff quiet(window, {kAutoCompleteList});
  window.ViewClear(kAutoCompleteList);
  window.ViewInsertRow(kAutoCompleteList, 0, " ");
  for (int slot = 1; slot <= table.WordCount(); ++slot)
    window.ViewInsertRow(kAutoCompleteList, slot, table.WordAt(slot));
}

void CheckKeywordSuggestion(Editor& editor, std::string_view typed, SuggestionPlace place, ui::Point caret) {
  if (!editor.main || !editor.keywordTable || !editor.view.autoComplete || editor.view.busy) return;
  const std::string_view word = TrimmedToFirstLine(typed);
  const Suggestion found = MayBeSuggested(word) ? FindSuggestion(*editor.keywordTable, word) : Suggestion{};
  if (found.row == 0) {
    HideSuggestions(editor);
    return;
  }
  ShowRow(editor, found, place, caret);
}

namespace {

// `before` ends at the caret; `fromStart` when it begins at a line's start or the text's.
void CheckWordEnding(Editor& editor, const ui::RichEdit& edit, std::string_view before, bool fromStart) {
  bool followsDelimiter = false;
  const std::string_view word = WordEndingText(before, &followsDelimiter);
  // A word running back past what was read is longer than any dialect word.
  const bool whole = followsDelimiter || fromStart;
  if (!whole || !MayBeSuggested(word)) {
    CheckKeywordSuggestion(editor, {}, SuggestionPlace::kAtCaret);
    return;
  }
  // The caret's place is asked for only when a list may be shown.
  CheckKeywordSuggestion(editor, word, SuggestionPlace::kAtCaret, edit.CaretPoint());
}

}  // namespace

void CheckWordBeforeCaret(Editor& editor, const ui::RichEdit& edit) {
  const int caret = edit.GetSelection().first;
  const int from = std::max(0, caret - kReachBeforeCaret);
  CheckWordEnding(editor, edit, edit.TextRange(from, caret), from == 0);
}

void CheckWordBeforeCaret(Editor& editor, const ui::RichEdit& edit, std::string_view lineText, int column) {
  if (column < 0 || column > static_cast<int>(lineText.size())) return CheckWordBeforeCaret(editor, edit);
  const int from = std::max(0, column - kReachBeforeCaret);
  CheckWordEnding(editor, edit, lineText.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(column - from)),
                  from == 0);
}

void HideSuggestions(Editor& editor) {
  editor.view.suggestionMatch = 0;
  if (editor.main) editor.main->ShowControl(kAutoCompleteList, false);
}

void CheckFindBoxWord(Editor& editor) {
  if (!editor.main) return;
  const std::string text = editor.main->GetText(kFindBox);
  // The last word of the box: a space typed after it leaves none, which hides the list.
  CheckKeywordSuggestion(editor, WordEndingText(text, nullptr), SuggestionPlace::kByFindBox);
}

namespace {

constexpr ControlCommand kControlRows[] = {
    {kFindBox, ui::notify::kTextChanged, Call<CheckFindBoxWord>},
};

}  // namespace

CommandRows FieldSuggestionCommands() { return {kControlRows, {}}; }

bool SuggestionsShown(const Editor& editor) {
  return editor.main && editor.main->IsControlVisible(kAutoCompleteList);
}

}  // namespace editor
