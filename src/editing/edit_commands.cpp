#include "editing/edit_commands.h"

#include <algorithm>

#include "base/control_ids.h"
#include "base/menu_ids.h"
#include "view/gutter.h"
#include "view/view_procedures.h"

namespace editor {

namespace {

constexpr int kShiftRemoved = 0;

ui::RichEdit* EditorControl(Editor& editor) { return editor.main ? editor.main->Edit(kEditor) : nullptr; }

void PutSelectionOnClipboard(Editor& editor, ui::RichEdit& edit) {
  editor.system.SetClipboardText(WithCrLfBreaks(edit.SelectedText()));
  editor.main->EnableMenuItem(kMenuPaste, true);
}

void ShowUndoAvailable(Editor& editor) {
  editor.main->ShowControl(kClearUndoButton, true);
  editor.main->ShowControl(kNothingToUndoButton, false);
}

std::string Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

}  // namespace

std::string WithCrLfBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    out += text[i];
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) out += '\n';
  }
  return out;
}

void CutCommand(Editor& editor) {
  ui::RichEdit* edit = EditorControl(editor);
  if (edit == nullptr) return;
  const auto [start, end] = edit->GetSelection();
  if (start == end) return;
  if (editor.commands.recordUndo) editor.commands.recordUndo(editor, UndoReason::kCut);
  const std::string selected = edit->SelectedText();
  const int removedLines = static_cast<int>(std::count(selected.begin(), selected.end(), '\r'));
  const int firstLine = edit->LineFromChar(start) + 1;
  const ui::Point scroll = edit->ScrollPosition();
  PutSelectionOnClipboard(editor, *edit);
  edit->ReplaceSelection("", true);
  if (removedLines > 0 && editor.commands.shiftLineReferences)
    editor.commands.shiftLineReferences(editor, firstLine, removedLines, kShiftRemoved);
  edit->SetScrollPosition(scroll);
  RefreshGutter(editor);
  MarkCurrentGutterRow(editor);
  ShowUndoAvailable(editor);
}

void CopyCommand(Editor& editor) {
  if (ui::RichEdit* edit = EditorControl(editor)) PutSelectionOnClipboard(editor, *edit);
}

void PasteCommand(Editor& editor, bool fromMenuBar) {
  // The shortcut already pasted through the edit control's own key handling.
  if (fromMenuBar && editor.view.shortcutKeyHeld) return;
  ui::RichEdit* edit = EditorControl(editor);
  const std::optional<std::string> text = editor.system.ClipboardText();
  if (edit == nullptr || !text || text->empty()) return;
  if (editor.commands.recordUndo) editor.commands.recordUndo(editor, UndoReason::kPaste);
  edit->ReplaceSelection(*text, true);
  const int caret = edit->GetSelection().second;
  RecolourVisible(editor);
  edit->SetSelection(caret, caret);
  editor.main->SetScrollRange(kLineScrollBar, 0, edit->LineCount());
  RefreshGutter(editor);
  MarkGutterLine(editor, edit->LineFromChar(caret) + 1);
  ShowUndoAvailable(editor);
}

void SelectAllCommand(Editor& editor) {
  ui::RichEdit* edit = EditorControl(editor);
  if (edit == nullptr) return;
  edit->SetSelection(0, -1);
  editor.system.SetClipboardText(edit->Text());
}

void FocusFindBox(Editor& editor) {
  if (!editor.view.shortcutKeyHeld) editor.main->Focus(kFindBox);
}

void FindWithExtent(Editor& editor, ui::ControlId extentBox) {
  for (ui::ControlId box : {kFirstBox, kAllBox, kLastBox}) editor.main->SetChecked(box, box == extentBox);
  if (editor.commands.findWords) editor.commands.findWords(editor);
}

void TransposeCommand(Editor& editor) {
  if (ui::RichEdit* edit = EditorControl(editor)) PutSelectionOnClipboard(editor, *edit);
  if (editor.commands.transpose) editor.commands.transpose(editor);
}

void FindThisControlCommand(Editor& editor) {
  ui::RichEdit* edit = EditorControl(editor);
  if (edit == nullptr) return;
  const std::string name = Trimmed(edit->SelectedText());
  ui::Window& window = *editor.main;
  window.SetText(kSearchControlsButton, "Please wait");
  window.FocusWindow();
  if (editor.commands.searchControls) editor.commands.searchControls(editor, name);
  window.SetText(kSearchControlsButton, "Search controls");
  for (ui::ControlId id :
       {kExactBox, kWordsBox, kFindButton, kClearFindButton, kFirstBox, kAllBox, kLastBox, kAndBox, kOrBox})
    window.ShowControl(id, false);
  window.SetChecked(kExactBox, false);
  window.SetChecked(kWordsBox, true);
}

}  // namespace editor
