#include "search/keyword_search.h"

#include <algorithm>

#include "base/control_ids.h"
#include "base/letter_case.h"
#include "base/menu_ids.h"
#include "base/scoped_flag.h"

namespace editor {

namespace {

bool Matches(std::string_view word, std::string_view wanted, bool inWord) {
  return inWord ? word.find(wanted) != std::string_view::npos : word.starts_with(wanted);
}

void SetFindKeywordTip(Editor& editor) {
  ui::Window& window = *editor.main;
  const int selected = window.ListSelected(kKeywordCombo);
  const std::string tip = selected >= 0
                              ? "Find " + window.ListText(kKeywordCombo, selected) + " in " + editor.currentName
                              : "Find a key word in " + editor.currentName;
  window.SetTooltip(kFindKeywordButton, tip);
}

}  // namespace

void KeywordFilter(Editor& editor) {
  ui::Window& window = *editor.main;
  const std::string wanted = UpperCase(window.GetText(kKeywordBox));
  const bool show = !wanted.empty();
  for (ui::ControlId id : {kBeginsWithBox, kInWordBox, kFindKeywordButton, kClearKeywordButton, kKeywordCombo})
    window.ShowControl(id, show);
  window.ListClear(kKeywordCombo);
  if (show) {
    const bool inWord = window.IsChecked(kInWordBox);
    if (editor.keywordTable)
      for (std::string_view word : editor.keywordTable->Words())
        if (Matches(word, wanted, inWord)) window.ListAdd(kKeywordCombo, word);
    if (window.ListCount(kKeywordCombo) > 0) window.ListSelect(kKeywordCombo, 0);
  }
  SetFindKeywordTip(editor);
}

void OnKeywordPicked(Editor& editor) {
  ui::Window& window = *editor.main;
  const int selected = window.ListSelected(kKeywordCombo);
  if (selected >= 0) window.SetText(kWordBox, window.ListText(kKeywordCombo, selected));
  window.ShowControl(kAutoCompleteList, false);
  SetFindKeywordTip(editor);
}

void ClearKeywordSearch(Editor& editor) {
  editor.main->ListClear(kKeywordCombo);
  editor.main->SetText(kKeywordBox, "");
  editor.main->Focus(kKeywordBox);
}

void OnKeywordMatchBox(Editor& editor, ui::ControlId clicked) {
  ui::Window& window = *editor.main;
  const ui::ControlId other = clicked == kBeginsWithBox ? kInWordBox : kBeginsWithBox;
  window.SetChecked(other, !window.IsChecked(clicked));
  // The filter runs again on the same text; setting the text anew would move the caret.
  KeywordFilter(editor);
  window.Focus(kKeywordBox);
}

void OnFindMode(Editor& editor, ui::ControlId clicked) {
  ui::Window& window = *editor.main;
  for (ui::ControlId id : {kExactBox, kWordsBox, kMixedBox}) window.SetChecked(id, id == clicked);
  if (clicked == kExactBox) {
    const ScopedFlag busy(editor.view.busy);
    window.SetText(kFindLabel, "Find exact");
    window.ShowControl(kAndBox, false);
    window.ShowControl(kOrBox, false);
    window.Focus(kFindBox);
    window.ShowControl(kAutoCompleteList, false);
  } else if (clicked == kWordsBox) {
    window.SetText(kFindLabel, "Find word");
    // A phrase with an apostrophe cannot be split into words.
    if (window.GetText(kFindBox).find('\'') != std::string::npos) {
      window.SetChecked(kExactBox, true);
      window.SetChecked(kWordsBox, false);
    }
    for (ui::ControlId id : {kFirstBox, kAllBox, kLastBox, kAndBox, kOrBox}) window.ShowControl(id, true);
  } else {
    window.SetText(kFindLabel, "Find mixed");
  }
}

void OnFindExtentBox(Editor& editor, ui::ControlId clicked) {
  ui::Window& window = *editor.main;
  if (!window.IsChecked(clicked)) return;
  for (ui::ControlId id : {kFirstBox, kAllBox, kLastBox})
    if (id != clicked) window.SetChecked(id, false);
}

// Ctrl+F in the editor arrives here as the menu's accelerator, with Ctrl still held: the
// box starts empty for a new search.
void FocusFindBox(Editor& editor) {
  if (editor.view.shortcutKeyHeld) {
    editor.view.shortcutKeyHeld = false;
    editor.main->SetText(kFindBox, "");
  }
  editor.main->Focus(kFindBox);
}

namespace {

using ui::notify::kClick;
using ui::notify::kSelectionChanged;
using ui::notify::kTextChanged;

void OnMatchBox(Editor& editor, const ui::Event& event) { OnKeywordMatchBox(editor, event.controlId); }
void OnExtentBox(Editor& editor, const ui::Event& event) { OnFindExtentBox(editor, event.controlId); }
void OnMode(Editor& editor, const ui::Event& event) { OnFindMode(editor, event.controlId); }

constexpr ControlCommand kControlRows[] = {
    {kKeywordBox, kTextChanged, Call<KeywordFilter>},
    {kKeywordCombo, kSelectionChanged, Call<OnKeywordPicked>},
    {kClearKeywordButton, kClick, Call<ClearKeywordSearch>},
    {kBeginsWithBox, kClick, OnMatchBox},
    {kInWordBox, kClick, OnMatchBox},
    {kFirstBox, kClick, OnExtentBox},
    {kAllBox, kClick, OnExtentBox},
    {kLastBox, kClick, OnExtentBox},
    {kExactBox, kClick, OnMode},
    {kWordsBox, kClick, OnMode},
    {kMixedBox, kClick, OnMode},
};

constexpr MenuCommand kMenuRows[] = {
    {kMenuFind, Call<FocusFindBox>},
};

}  // namespace

CommandRows SearchBarCommands() { return {kControlRows, kMenuRows}; }

}  // namespace editor
