#include "editing/ready_made_code.h"

#include <fstream>
#include <iterator>

#include "base/control_ids.h"
#include "base/file_names.h"
#include "editing/edit_commands.h"
#include "view/code_block_view.h"
#include "view/notices.h"

namespace editor {

namespace {

bool AnyGutterRowMarked(Editor& editor) {
  for (int i = 0; i < editor.metrics.gutterLines; ++i)
    if (editor.main->GetText(kFirstGutterLabel + i).starts_with(">")) return true;
  return false;
}

}  // namespace

void InsertReadyMadeCode(Editor& editor, bool needMarkedLine) {
  ui::Window& window = *editor.main;
  const int selected = window.ListSelected(kReadyMadeCodeCombo);
  if (selected < 0) {
    window.Focus(kReadyMadeCodeCombo);
    window.DropDown(kReadyMadeCodeCombo, true);
    return;
  }
  if (needMarkedLine && !AnyGutterRowMarked(editor)) {
    ShowNotice(editor, notice::kClickWhereToInsert);
    return;
  }
  const std::string name = window.ListText(kReadyMadeCodeCombo, selected);
  if (!IsPlainFileName(name)) return;  // a snippet is a file in Res, never a path out of it
  std::ifstream in(editor.folders.InRes(name), std::ios::binary);
  if (!in) return;  // a missing snippet is skipped, as any optional file is
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // Pasting sets the scroll range to the new line count, which takes in the snippet's lines.
  editor.system.SetClipboardText(text);
  // Ready-made code is for the file, with an entry in its undo: the file comes on screen
  // to take it, rather than a block shown.
  LeaveCodeBlock(editor);
  PasteCommand(editor);
}

}  // namespace editor
