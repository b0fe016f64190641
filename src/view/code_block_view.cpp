#include "view/code_block_view.h"

#include <string>

#include "base/control_ids.h"
#include "view/button_colours.h"
#include "view/edit_menu_items.h"

namespace editor {

namespace {

bool IsBlockNumber(int block) { return block >= 1 && block <= kCodeBlockCount; }

std::string ShowBlockTip(int block) { return "Show me the code in block " + std::to_string(block); }

// A block's button is usable while the block holds code, and always while it is shown:
// the user may have emptied it by hand and must still be able to get back to it.
void EnableBlockButtons(Editor& editor, int shown) {
  for (int block = 1; block <= kCodeBlockCount; ++block)
    editor.main->EnableControl(CodeBlockButtonId(block), block == shown || CodeBlockHoldsCode(editor, block));
}

void ShowCopyAndDeleteButtons(ui::Window& window, bool shown) {
  for (ui::ControlId id : {kCopyBlockButton, kDeleteBlockButton}) {
    window.EnableControl(id, shown);
    window.ShowControl(id, shown);
  }
}

// Tips, kept only while the preferences want tips at all.
void SetTip(Editor& editor, ui::ControlId id, const std::string& text) {
  if (editor.prefs.showTooltips) editor.main->SetTooltip(id, text);
}

// Returns whether a block was on screen: then the focus and the Edit menu, which followed
// the block, must come back to the file.
bool ArrangeMainCode(Editor& editor) {
  ui::Window& window = *editor.main;
  const bool fromBlock = editor.view.blockView != 0;
  editor.view.blockView = 0;
  ShowCopyAndDeleteButtons(window, false);
  SetTip(editor, kMainProgramButton, "You are currently viewing " + editor.currentName);
  for (int block = 1; block <= kCodeBlockCount; ++block) {
    SetTip(editor, CodeBlockButtonId(block), ShowBlockTip(block));
    window.ShowControl(CodeBlockEditorId(block), false);
    PaintRowButton(editor, window, CodeBlockButtonId(block), false);
  }
  window.ShowControl(kLineScrollBar, true);
  window.ShowControl(kEditor, true);
  PaintRowButton(editor, window, kMainProgramButton, true);
  EnableBlockButtons(editor, 0);
  if (const ui::RichEdit* edit = window.Edit(kEditor); edit != nullptr && fromBlock) ShowEditItemsFor(editor, *edit);
  return fromBlock;
}

}  // namespace

ui::RichEdit* CodeBlockEditor(Editor& editor, int block) {
  return editor.main && IsBlockNumber(block) ? editor.main->Edit(CodeBlockEditorId(block)) : nullptr;
}

ui::RichEdit* ShownCodeBlock(Editor& editor) { return CodeBlockEditor(editor, editor.view.blockView); }

bool CodeBlockHoldsCode(Editor& editor, int block) {
  const ui::RichEdit* edit = CodeBlockEditor(editor, block);
  return edit != nullptr && edit->TextLength() > 0;
}

void ShowMainCode(Editor& editor) {
  if (!editor.main) return;
  ArrangeMainCode(editor);
  editor.main->Focus(kEditor);
}

void ShowMainCodeInLayout(Editor& editor) {
  if (editor.main && ArrangeMainCode(editor)) editor.main->Focus(kEditor);
}

void LeaveCodeBlock(Editor& editor) {
  if (editor.view.blockView != 0) ShowMainCode(editor);
}

void ShowBlock(Editor& editor, int block) {
  if (!editor.main || !IsBlockNumber(block)) return;
  ui::Window& window = *editor.main;
  editor.view.blockView = block;
  ShowCopyAndDeleteButtons(window, true);
  SetTip(editor, kMainProgramButton, "Show me " + editor.currentName);
  window.ShowControl(kEditor, false);
  window.ShowControl(kLineScrollBar, false);
  for (int other = 1; other <= kCodeBlockCount; ++other) {
    if (other == block) continue;
    SetTip(editor, CodeBlockButtonId(other), ShowBlockTip(other));
    window.ShowControl(CodeBlockEditorId(other), false);
    PaintRowButton(editor, window, CodeBlockButtonId(other), false);
  }
  const ui::ControlId id = CodeBlockEditorId(block);
  SetTip(editor, CodeBlockButtonId(block), "You are currently viewing code in block " + std::to_string(block));
  window.SetText(CodeBlockButtonId(block), std::to_string(block));
  // The edit area may have been narrowed for the debug panel since the block was made.
  window.MoveControl(id, window.ControlRect(kEditor));
  window.ShowControl(id, true);
  PaintRowButton(editor, window, CodeBlockButtonId(block), true);
  PaintRowButton(editor, window, kMainProgramButton, false);
  EnableBlockButtons(editor, block);
  ShowEditItemsForBlock(editor);
  window.Focus(id);
}

}  // namespace editor
