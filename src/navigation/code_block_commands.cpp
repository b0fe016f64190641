#include "navigation/code_block_commands.h"

#include "base/control_ids.h"
#include "base/menu_ids.h"
#include "view/code_block_view.h"
#include "view/main_window.h"

namespace editor {

void CopyShownBlock(Editor& editor) {
  const ui::RichEdit* block = ShownCodeBlock(editor);
  if (block == nullptr) return;
  editor.system.SetClipboardText(block->Text());
  editor.main->EnableMenuItem(kMenuPaste, true);
}

void DeleteShownBlock(Editor& editor) {
  const int block = editor.view.blockView;
  if (CodeBlockEditor(editor, block) == nullptr) return;
  editor.main->DestroyControl(CodeBlockEditorId(block));
  CreateCodeBlockEditor(editor, block);
  ShowMainCode(editor);  // which disables the free block's button
}

namespace {

using ui::notify::kClick;

// While the scroll bar's thumb is held, the view must stay as the drag left it.
void MainProgramButton(Editor& editor, const ui::Event&) {
  if (!editor.view.thumbDrag) ShowMainCode(editor);
}

void BlockButton(Editor& editor, const ui::Event& event) {
  if (!editor.view.thumbDrag) ShowBlock(editor, event.controlId - kCodeBlockButtonFirst + 1);
}

constexpr ControlCommand kControlRows[] = {
    {kMainProgramButton, kClick, MainProgramButton},
    {CodeBlockButtonId(1), kClick, BlockButton},
    {CodeBlockButtonId(2), kClick, BlockButton},
    {CodeBlockButtonId(3), kClick, BlockButton},
    {CodeBlockButtonId(4), kClick, BlockButton},
    {kCopyBlockButton, kClick, Call<CopyShownBlock>},
    {kDeleteBlockButton, kClick, Call<DeleteShownBlock>},
};

}  // namespace

CommandRows CodeBlockCommands() { return {kControlRows, {}}; }

}  // namespace editor
