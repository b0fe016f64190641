#include "navigation/bookmark_commands.h"

#include "base/control_ids.h"
#include "navigation/bookmark_dialog.h"
#include "view/bookmark_pane.h"
#include "view/gutter.h"
#include "view/notices.h"
#include "view/places_pane.h"
#include "view/view_procedures.h"

namespace editor {

namespace {

int LineCountOf(Editor& editor) {
  const ui::RichEdit* edit = editor.main->Edit(kEditor);
  return edit != nullptr ? edit->LineCount() : 0;
}

// The chosen bookmark's index, or -1.
int ChosenBookmark(Editor& editor) {
  const int chosen = editor.main->ListSelected(kBookmarkCombo);
  return chosen < static_cast<int>(editor.bookmarks.size()) ? chosen : -1;
}

// A jump recorded in the places before and after.
void GoToBookmark(Editor& editor, const Bookmark& bookmark) {
  AddPlace(editor, CurrentPlace(editor), true);
  GoToLine(editor, bookmark.line);
  AddPlace(editor, CurrentPlace(editor), true);
}

}  // namespace

void AddBookmarkCommand(Editor& editor) {
  if (!editor.main) return;
  const LineNumber line = MarkedGutterLine(editor).value_or(kNoLine);
  // No clicked line, or a marker on a row past the end of the text: nothing to bookmark.
  if (line <= kNoLine || line.Value() > LineCountOf(editor)) {
    ShowNotice(editor, notice::kClickLineToBookmark);
    return;
  }
  if (FindBookmark(editor.bookmarks, line)) {
    ShowNotice(editor, notice::kAlreadyBookmarked);
    return;
  }
  Bookmark bookmark{line, DescribeBookmark(editor)};
  editor.bookmarks.push_back(std::move(bookmark));
  ShowBookmarks(editor, static_cast<int>(editor.bookmarks.size()) - 1);
  ShowNotice(editor, notice::kLineBookmarked);
}

void RemoveBookmarkCommand(Editor& editor) {
  if (!editor.main) return;
  const int chosen = ChosenBookmark(editor);
  if (chosen < 0) {
    ShowNotice(editor, notice::kSelectBookmark);
    editor.main->Focus(kBookmarkCombo);
    return;
  }
  editor.bookmarks.erase(editor.bookmarks.begin() + chosen);
  ShowBookmarks(editor);
}

void ClearBookmarksCommand(Editor& editor) {
  if (!editor.main) return;
  editor.bookmarks.clear();
  ShowBookmarks(editor);
}

void OnBookmarkChosen(Editor& editor) {
  if (!editor.main || editor.view.loading) return;
  const int chosen = ChosenBookmark(editor);
  if (chosen >= 0) {
    if (editor.view.jumpToSelections)
      GoToBookmark(editor, editor.bookmarks[static_cast<std::size_t>(chosen)]);
    else
      AddPlace(editor, CurrentPlace(editor), true);
  }
  ShowBookmarkButtons(editor);
}

void GoToBookmarkCommand(Editor& editor) {
  if (!editor.main || editor.bookmarks.empty()) return;
  const int chosen = ChosenBookmark(editor);
  if (chosen < 0) {
    editor.main->DropDown(kBookmarkCombo, true);
    return;
  }
  GoToBookmark(editor, editor.bookmarks[static_cast<std::size_t>(chosen)]);
}

namespace {

using ui::notify::kClick;
using ui::notify::kSelectionChanged;

constexpr ControlCommand kControlRows[] = {
    {kAddBookmarkButton, kClick, Call<AddBookmarkCommand>},
    {kRemoveBookmarkButton, kClick, Call<RemoveBookmarkCommand>},
    {kClearBookmarksButton, kClick, Call<ClearBookmarksCommand>},
    {kGoToBookmarkButton, kClick, Call<GoToBookmarkCommand>},
    {kBookmarkCombo, kSelectionChanged, Call<OnBookmarkChosen>},
};

}  // namespace

CommandRows BookmarkCommands() { return {kControlRows, {}}; }

}  // namespace editor
