#include "navigation/put_in_free_block.h"

#include "base/control_ids.h"
#include "base/menu_ids.h"
#include "editing/edit_commands.h"
#include "editing/file_indexer.h"
#include "view/code_block_view.h"
#include "view/colour_passes.h"
#include "view/notices.h"

namespace editor {

namespace {

std::optional<int> FirstFreeBlock(Editor& editor) {
  for (int block = 1; block <= kCodeBlockCount; ++block)
    if (CodeBlockEditor(editor, block) != nullptr && !CodeBlockHoldsCode(editor, block)) return block;
  return std::nullopt;
}

// Every line in the colours the file's lines get. The block's comment and assembly ranges
// are its own: the file's, at the same line numbers, would shade the wrong lines.
void ColourBlockLines(Editor& editor, ui::RichEdit& block, std::string_view text) {
  if (!editor.keywordTable) return;
  const TextIndex own = IndexText(text);
  const LineColourScheme scheme = LineColourSchemeFrom(editor.prefs);
  const WindowLocalNames names(*editor.main);
  const LineColourContext context{*editor.keywordTable, editor.prefs.keywordCase, scheme,
                                  own.blockComments,    own.assemblyBlocks,        names};
  block.SetRedraw(false);
  ColourLines(block, LineIndex(0), LineIndex(block.LineCount() - 1), -1, context);
  block.SetRedraw(true);
}

}  // namespace

std::optional<int> PutInFreeBlock(Editor& editor, std::string_view text) {
  if (!editor.main) return std::nullopt;
  if (text.empty()) {
    ShowNotice(editor, notice::kSelectCode);
    return std::nullopt;
  }
  // On the clipboard first, so that the code is at hand even when no block is free.
  editor.system.SetClipboardText(WithCrLfBreaks(text));
  editor.main->EnableMenuItem(kMenuPaste, true);
  const std::optional<int> free = FirstFreeBlock(editor);
  if (!free) {
    ShowNotice(editor, notice::kAllBlocksTaken);
    return std::nullopt;
  }
  ui::RichEdit& block = *CodeBlockEditor(editor, *free);
  // Code is never cut to fit: a longer text raises the block's limit.
  if (const int length = static_cast<int>(text.size()); length > block.TextLimit()) block.SetTextLimit(length);
  block.SetText(text);
  ShowBlock(editor, *free);
  ColourBlockLines(editor, block, text);
  block.SetSelection(0, 0);
  return free;
}

bool CopyToBlock(Editor& editor, std::string_view text) {
  const int viewed = editor.view.blockView;
  if (!PutInFreeBlock(editor, text)) return false;
  ShowNotice(editor, notice::kCopiedToBlock);
  if (viewed != 0) ShowBlock(editor, viewed);
  return true;
}

}  // namespace editor
