#include "companion/state_restore_view.h"

#include "base/control_ids.h"
#include "view/gutter.h"
#include "view/main_window.h"
#include "view/notices.h"
#include "view/view_procedures.h"

namespace editor {

void FinishStateRestore(Editor& editor, int tab, const FileStateRestore& restored) {
  if (!editor.main) return;
  ui::Window& window = *editor.main;
  ui::RichEdit* edit = window.Edit(kEditor);
  if (edit == nullptr) return;
  RefreshGutter(editor);
  editor.view.topLine = edit->FirstVisibleLine() + 1;
  MarkCurrentGutterRow(editor);
  const int shown = tab != 0 ? tab : editor.tabs.ActiveTab();
  if (shown != 0) window.SetCaption(CaptionForFile(editor.tabs.Tab(shown).caption));
  RecolourVisible(editor);
  CaretToLine(editor, edit->FirstVisibleLine() + 1);
  FocusEditor(editor);
  window.SetScrollRange(kLineScrollBar, 0, edit->LineCount());
  ShowEditingControls(editor, window.ListCount(kPlacesCombo));
  switch (restored.stateFile) {
    case CompanionRead::kDamaged: ShowNotice(editor, notice::kStateDamaged); break;
    case CompanionRead::kUnreadable:
    case CompanionRead::kTooLarge: ShowNotice(editor, notice::kStateUnreadable); break;
    case CompanionRead::kRead:
    case CompanionRead::kMissing: break;
  }
}

void ReportStateWriteFailed(Editor& editor, int) { ShowNotice(editor, notice::kStateNotWritten); }

}  // namespace editor
