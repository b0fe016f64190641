#include "view/bookmark_pane.h"

#include "base/control_ids.h"
#include "view/controls_redraw_off.h"

namespace editor {

void ShowBookmarks(Editor& editor, int selected) {
  if (!editor.main) return;
  ui::Window& window = *editor.main;
  {
    const ControlsRedrawOff drawnOnce(window, {kBookmarkCombo, kBookmarkList});
    window.ListClear(kBookmarkCombo);
    window.ViewClear(kBookmarkList);
    for (const Bookmark& bookmark : editor.bookmarks) {
      window.ListAdd(kBookmarkCombo, BookmarkEntry(bookmark));
      const int row = window.ViewInsertRow(kBookmarkList, window.ViewRowCount(kBookmarkList),
                                           std::to_string(bookmark.line.Value()));
      window.ViewSetCell(kBookmarkList, row, 1, bookmark.description);
    }
    if (selected >= 0 && selected < static_cast<int>(editor.bookmarks.size())) window.ListSelect(kBookmarkCombo, selected);
  }
  ShowBookmarkButtons(editor);
}

void ShowBookmarkButtons(Editor& editor) {
  if (!editor.main) return;
  ui::Window& window = *editor.main;
  const bool any = !editor.bookmarks.empty();
  window.ShowControl(kRemoveBookmarkButton, any);
  window.ShowControl(kClearBookmarksButton, any);
  const bool chosen = window.ListSelected(kBookmarkCombo) >= 0;
  window.SetTooltip(kGoToBookmarkButton, !any ? kNoBookmarksTip : chosen ? kGoToBookmarkTip : kSelectBookmarkTip);
}

void TakeBookmarksFromLists(Editor& editor) {
  if (!editor.main) return;
  ui::Window& window = *editor.main;
  editor.bookmarks.clear();
  bool allTaken = window.ViewRowCount(kBookmarkList) == window.ListCount(kBookmarkCombo);
  for (int i = 0, count = window.ListCount(kBookmarkCombo); i < count; ++i) {
    if (const std::optional<Bookmark> bookmark = ParseBookmarkEntry(window.ListText(kBookmarkCombo, i)))
      editor.bookmarks.push_back(*bookmark);
    else
      allTaken = false;
  }
  if (allTaken) {
    ShowBookmarkButtons(editor);
    return;
  }
  // The lists hold what the editor holds, nothing more.
  ShowBookmarks(editor);
}

}  // namespace editor
