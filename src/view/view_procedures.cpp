#include "view/view_procedures.h"

#include <algorithm>

#include "base/control_ids.h"
#include "base/number_text.h"
#include "base/scoped_flag.h"
#include "view/bookmark_pane.h"
#include "view/code_block_view.h"
#include "view/colour_passes.h"
#include "view/declaration_buttons.h"
#include "view/edit_lines.h"
#include "view/edit_position_panel.h"
#include "view/gutter.h"

namespace editor {

namespace {

ui::RichEdit* EditorControl(Editor& editor) { return editor.main ? editor.main->Edit(kEditor) : nullptr; }

void SetLineNumberBox(Editor& editor, LineNumber line) {
  editor.main->SetText(kLineNumberBox, std::to_string(line.Value()));
}

// Moves the suggestion list beside the caret, where a completion would appear.
void PlaceSuggestionList(Editor& editor, ui::RichEdit& edit, int caret) {
  const ui::Point at = edit.PositionFromChar(caret);
  editor.main->MoveControl(kAutoCompleteList, {at.x + 58, at.y + 98, 300, 38});
  ShowEditPosition(editor, edit);
}

// A line outside the rows the gutter numbers is brought to the top of the view; left to
// the control, the caret would land on the bottom row, which has no label.
void ShowLineInGutter(Editor& editor, LineNumber line) {
  ui::RichEdit* edit = EditorControl(editor);
  if (edit == nullptr) return;
  const LineIndex index = ToIndex(line);
  const LineIndex first = FirstVisibleLineOf(*edit);
  if (index >= first && index < first + editor.metrics.gutterLines) return;
  edit->SetScrollPosition({0, std::max(0, index.Value()) * editor.metrics.lineHeight});
}

}  // namespace

int NumberIn(const ui::Window& window, ui::ControlId id) {
  return LeadingInt(window.GetText(id));
}

void CaretToLine(Editor& editor, LineNumber line) {
  ui::RichEdit* edit = EditorControl(editor);
  if (edit == nullptr) return;
  const int index = std::clamp(ToIndex(line).Value(), 0, edit->LineCount() - 1);
  const int start = edit->LineIndex(index);
  edit->SetSelection(start, start);
}

void FocusEditor(Editor& editor) {
  if (!editor.main) return;
  // The focus goes to what is on screen: keys sent to the hidden file would change it unseen.
  if (const ui::RichEdit* block = ShownCodeBlock(editor))
    editor.main->Focus(block->Id());
  else
    editor.main->Focus(kEditor);
}

void RecolourVisible(Editor& editor) {
  ui::RichEdit* edit = EditorControl(editor);
  if (edit == nullptr) return;
  const ScopedFlag busy(editor.view.busy);
  const std::uint32_t mask = edit->EventMask();
  edit->SetRedraw(false);
  edit->SetEventMask(mask & ~ui::event_mask::kChange);
  RunColourPass(editor, ColourPass::kVisiblePage);
  edit->SetRedraw(true);
  edit->SetEventMask(mask | ui::event_mask::kChange);
}

void GoToLine(Editor& editor, LineNumber line) {
  if (!editor.main) return;
  LeaveCodeBlock(editor);
  // A line past the end (a bookmark or place of text that has gone) takes the caret to
  // the last line, and the line box says so.
  if (const ui::RichEdit* edit = EditorControl(editor))
    line = LineNumber(std::clamp(line.Value(), 1, std::max(1, edit->LineCount())));
  editor.main->StopTimer(kPositionTimer);
  // One below the target, so that the next tick sees a changed line and refreshes the view.
  editor.view.topLine = editor.view.rememberedTopLine = line - 1;
  SetLineNumberBox(editor, line);
  editor.main->StartTimer(kPositionTimer, editor.prefs.timerIntervalMs);
  ShowLineInGutter(editor, line);
  CaretToLine(editor, line);
  FocusEditor(editor);
}

void ShowLineAtTop(Editor& editor, LineNumber line) {
  ui::RichEdit* edit = EditorControl(editor);
  if (edit == nullptr) return;
  LeaveCodeBlock(editor);
  ui::Window& window = *editor.main;
  window.StopTimer(kPositionTimer);
  edit->SetScrollPosition({0, ToIndex(line).Value() * editor.metrics.lineHeight});
  window.SetScrollPos(kLineScrollBar, line.Value());
  SetLineNumberBox(editor, line);
  editor.view.topLine = editor.view.rememberedTopLine = line;
  CaretToLine(editor, line);
  RecolourVisible(editor);
  RefreshGutter(editor);
  MarkCurrentGutterRow(editor);
  FocusEditor(editor);
  window.StartTimer(kPositionTimer, editor.prefs.timerIntervalMs);
}

void GoToLineFromBox(Editor& editor, ui::ControlId box) {
  ui::RichEdit* edit = EditorControl(editor);
  if (edit == nullptr) return;
  LeaveCodeBlock(editor);
  ui::Window& window = *editor.main;
  const bool empty = window.GetText(box).empty();
  // The typed line goes to the top of the view with the caret on it.
  const LineNumber line(std::clamp(NumberIn(window, box), 1, std::max(1, edit->LineCount())));
  const int lineHeight = editor.metrics.lineHeight;
  edit->SetScrollPosition({0, ToIndex(line).Value() * lineHeight});
  window.SetScrollPos(kLineScrollBar, line.Value());
  CaretToLine(editor, line);
  FocusEditor(editor);
  editor.view.topLine = editor.view.rememberedTopLine = line;
  PlaceSuggestionList(editor, *edit, edit->GetSelection().first);
  if (empty)
    NumberGutterFromOne(editor);
  else
    RefreshGutter(editor);
  MarkGutterLine(editor, empty ? LineNumber(1) : line);
  window.Focus(box);
}

void RunWithViewRestored(Editor& editor, const std::function<void()>& operation) {
  ui::RichEdit* edit = EditorControl(editor);
  const LineIndex first = edit != nullptr ? FirstVisibleLineOf(*edit) : LineIndex(0);
  const LineNumber top = editor.view.topLine;
  operation();
  if (!editor.main || edit == nullptr) return;
  SetLineNumberBox(editor, ToNumber(first));
  CaretToLine(editor, top);
  RefreshGutter(editor);
  editor.view.topLine = top;
  MarkCurrentGutterRow(editor);
  CaretToLine(editor, top);
  FocusEditor(editor);
}

void ClearPanes(Editor& editor) {
  if (!editor.main) return;
  NumberGutterFromOne(editor);
  editor.main->SetScrollPos(kLineScrollBar, 0);
  ClearLists(editor);
}

void ClearLists(Editor& editor) {
  if (!editor.main) return;
  ui::Window& window = *editor.main;
  constexpr ui::ControlId kLists[] = {kSubroutineList, kWindowList, kBookmarkList, kControlSearchList, kControlList};
  constexpr ui::ControlId kCombos[] = {kSubroutineCombo,     kWindowCombo,  kBookmarkCombo,       kControlCombo,
                                       kControlSearchCombo1, kKeywordCombo, kControlSearchCombo2, kControlSearchCombo3,
                                       kPlacesCombo,         kIncludeCombo};
  // Each list empties in one request and is drawn once.
  for (ui::ControlId list : kLists) window.ViewClear(list);
  for (ui::ControlId combo : kCombos) window.ListClear(combo);
  editor.bookmarks.clear();
  editor.places.Clear();
  editor.marksRestored = false;
  editor.view.boxJumpLine = kNoLine;
  window.ShowControl(kGoBackButton, false);
  window.ShowControl(kGoForwardButton, false);
  window.ShowControl(kGoBackUnavailable, true);
  window.ShowControl(kGoForwardUnavailable, true);
  ShowDeclarationButtons(editor);
  for (ui::ControlId id : {kPlacesCombo, kRemovePlaceButton, kClearPlacesButton, kRemoveBookmarkButton,
                           kClearBookmarksButton})
    window.ShowControl(id, false);
  window.SetTooltip(kGoToBookmarkButton, kNoBookmarksTip);
}

}  // namespace editor
