#include "companion/state_restore_view.h"

#include "base/control_ids.h"
#include "view/bookmark_pane.h"
#include "view/edit_lines.h"
#include "view/gutter.h"
#include "view/main_window.h"
#include "view/notices.h"
#include "view/places_pane.h"
#include "view/view_procedures.h"

namespace editor {

void FinishStateRestore(Editor& editor, int tab, const FileStateRestore& restored, ViewAfterRestore view) {
  if (!editor.main) return;
  ui::Window& window = *editor.main;
  ui::RichEdit* edit = window.Edit(kEditor);
  if (edit == nullptr) return;
  RefreshGutter(editor);
  // The marker follows the caret: on the top line after a fresh restore, where it was left otherwise.
  editor.view.topLine = ToNumber(view == ViewAfterRestore::kAsItWas ? CaretLineOf(*edit) : FirstVisibleLineOf(*edit));
  MarkCurrentGutterRow(editor);
  const int shown = tab != 0 ? tab : editor.tabs.ActiveTab();
  if (shown != 0) ShowFileCaption(editor, editor.tabs.Tab(shown).caption);
  if (view == ViewAfterRestore::kCaretToTopLine) {
    RecolourVisible(editor);
    CaretToLine(editor, ToNumber(FirstVisibleLineOf(*edit)));
  }
  FocusEditor(editor);
  window.SetScrollRange(kLineScrollBar, 0, edit->LineCount());
  // What the state file put into the bookmark and places lists becomes the editor's.
  if (restored.bookmarksRead) TakeBookmarksFromLists(editor);
  if (restored.placesRead > 0) TakePlacesFromList(editor);
  ShowEditingControls(editor);
  switch (restored.stateFile) {
    case CompanionRead::kDamaged: ShowNotice(editor, notice::kStateDamaged); break;
    case CompanionRead::kUnreadable:
    case CompanionRead::kTooLarge: ShowNotice(editor, notice::kStateUnreadable); break;
    case CompanionRead::kRead:
    case CompanionRead::kMissing:
    case CompanionRead::kOtherFile: break;
  }
}

void ReportStateWriteFailed(Editor& editor, int) { ShowNotice(editor, notice::kStateNotWritten); }

}  // namespace editor
