#include "search/find_commands.h"

#include <string>

#include "base/control_ids.h"
#include "base/menu_ids.h"
#include "base/word_delimiters.h"
#include "editing/keyword_suggestions.h"
#include "search/results_window.h"
#include "view/view_procedures.h"

namespace editor {

namespace {

SearchOptions FindBarOptions(const Editor& editor) {
  const ui::Window& bar = *editor.main;
  SearchOptions options = editor.search;
  options.mode = bar.IsChecked(kWordsBox)   ? SearchMode::kWords
                 : bar.IsChecked(kMixedBox) ? SearchMode::kMixed
                                            : SearchMode::kExact;
  options.join = bar.IsChecked(kOrBox) ? SearchJoin::kOr : SearchJoin::kAnd;
  options.extent = bar.IsChecked(kFirstBox)  ? SearchExtent::kFirst
                   : bar.IsChecked(kLastBox) ? SearchExtent::kLast
                                             : SearchExtent::kAll;
  return options;
}

void TickExtent(ui::Window& bar, ui::ControlId ticked) {
  for (ui::ControlId id : {kFirstBox, kAllBox, kLastBox}) bar.SetChecked(id, id == ticked);
}

// A selection within one line is what a right click asks to find; otherwise the box's text.
void TakeSelectionIntoFindBox(Editor& editor) {
  const ui::RichEdit* edit = editor.main->Edit(kEditor);
  if (edit == nullptr) return;
  const auto [start, end] = edit->GetSelection();
  if (start == end) return;
  const std::string selected(Trimmed(edit->TextRange(start, end)));
  if (!selected.empty() && selected.find_first_of("\r\n") == std::string::npos)
    editor.main->SetText(kFindBox, selected);
}

void FindWithExtent(Editor& editor, ui::ControlId extentBox) {
  TickExtent(*editor.main, extentBox);
  TakeSelectionIntoFindBox(editor);
  RunFindFromBar(editor);
}

void OnContextFind(Editor& editor, const ui::Event& event) {
  const int id = event.menuId;
  FindWithExtent(editor, id == kContextFindFirst ? kFirstBox : id == kContextFindLast ? kLastBox : kAllBox);
}

void ClearFind(Editor& editor) {
  editor.main->SetText(kFindBox, "");
  editor.main->Focus(kFindBox);
}

void OnJoinBox(Editor& editor, const ui::Event& event) {
  const ui::ControlId other = event.controlId == kAndBox ? kOrBox : kAndBox;
  editor.main->SetChecked(event.controlId, true);
  editor.main->SetChecked(other, false);
}

// Enter in the key word box: an empty box hides the find button, the clear button and
// the list; otherwise the chosen word is searched.
void OnKeywordBoxEnter(Editor& editor) {
  ui::Window& bar = *editor.main;
  if (!bar.GetText(kKeywordBox).empty()) {
    RunKeywordFind(editor);
    return;
  }
  for (ui::ControlId id : {kFindKeywordButton, kClearKeywordButton, kKeywordCombo}) bar.ShowControl(id, false);
  bar.Focus(kKeywordBox);
}

std::string ChosenKeyword(const ui::Window& bar) {
  const int chosen = bar.ListSelected(kKeywordCombo);
  return chosen >= 0 ? bar.ListText(kKeywordCombo, chosen) : std::string(Trimmed(bar.GetText(kKeywordBox)));
}

void SetWordsOnFindBar(ui::Window& bar, bool exact) {
  bar.SetChecked(kExactBox, exact);
  bar.SetChecked(kWordsBox, !exact);
  bar.SetChecked(kMixedBox, false);
  bar.SetText(kFindLabel, exact ? "Find exact" : "Find words");
  for (ui::ControlId id : {kExactBox, kWordsBox, kFindButton, kClearFindButton, kAndBox, kOrBox, kFirstBox, kAllBox,
                           kLastBox})
    bar.ShowControl(id, true);
  bar.SetChecked(kAndBox, true);
  bar.SetChecked(kOrBox, false);
  TickExtent(bar, kAllBox);
}

using ui::notify::kClick;
using ui::notify::kEnter;

constexpr ControlCommand kControlRows[] = {
    {kFindButton, kClick, Call<RunFindFromBar>},
    {kFindBox, kEnter, Call<RunFindFromBar>},
    {kClearFindButton, kClick, Call<ClearFind>},
    {kFindKeywordButton, kClick, Call<RunKeywordFind>},
    {kKeywordBox, kEnter, Call<OnKeywordBoxEnter>},
    {kAndBox, kClick, OnJoinBox},
    {kOrBox, kClick, OnJoinBox},
};

constexpr MenuCommand kMenuRows[] = {
    {kContextFindFirst, OnContextFind},
    {kContextFindAll, OnContextFind},
    {kContextFindLast, OnContextFind},
};

}  // namespace

void RunFindFromBar(Editor& editor) {
  if (!editor.main) return;
  const std::string text(Trimmed(editor.main->GetText(kFindBox)));
  if (text.empty()) {
    editor.main->Focus(kFindBox);
    return;
  }
  HideSuggestions(editor);
  RunResultsWindow(editor, {text, FindBarOptions(editor)});
}

void RunFindOnBar(Editor& editor, const std::string& text, bool exact) {
  if (!editor.main) return;
  editor.main->SetText(kFindBox, text);
  HideSuggestions(editor);
  SetWordsOnFindBar(*editor.main, exact);
  RunResultsWindow(editor, {text, FindBarOptions(editor)});
}

void RunKeywordFind(Editor& editor) {
  if (!editor.main) return;
  ui::Window& bar = *editor.main;
  const std::string word = ChosenKeyword(bar);
  if (word.empty()) {
    bar.Focus(kKeywordBox);
    return;
  }
  RunFindOnBar(editor, word, word.find_first_of(kWordDelimiters) != std::string::npos);
  if (const ui::RichEdit* edit = editor.main ? editor.main->Edit(kEditor) : nullptr)
    GoToLine(editor, ToNumber(LineIndex(edit->LineFromChar(edit->GetSelection().first))));
}

CommandRows FindCommands() { return {kControlRows, kMenuRows}; }

}  // namespace editor
