#include "view/edit_menu_items.h"

#include "base/menu_ids.h"

namespace editor {

namespace {

void EnableEditItems(Editor& editor, bool selected) {
  editor.main->EnableMenuItem(kMenuCut, selected);
  editor.main->EnableMenuItem(kMenuCopy, selected);
  editor.main->EnableMenuItem(kMenuPaste, editor.system.ClipboardHasText());
}

}  // namespace

void ShowEditItemsFor(Editor& editor, const ui::RichEdit& edit) {
  const auto [start, end] = edit.GetSelection();
  EnableEditItems(editor, start != end);
}

void ShowEditItemsForBlock(Editor& editor) { EnableEditItems(editor, true); }

}  // namespace editor
