#include "files/file_reload.h"

#include <string>

#include "base/control_ids.h"
#include "base/scoped_flag.h"
#include "editing/file_indexer.h"
#include "editing/undo_steps.h"
#include "files/file_loader.h"
#include "files/tab_editors.h"
#include "model/source_file.h"
#include "state/editor.h"
#include "view/edit_lines.h"
#include "view/gutter.h"
#include "view/main_window.h"
#include "view/notices.h"
#include "view/view_procedures.h"

namespace editor {

namespace {

// Why the file cannot come back; 0 when it can. A file gone from disk is refused here,
// where loading takes it for a new, empty one: the tab's text must not go for nothing.
int ReloadRefusal(SourceReadStatus status) {
  return status == SourceReadStatus::kMissing ? notice::kFileGone : RefusalNotice(status);
}

// The text goes into a control of its own: emptying a large text out of the one on
// screen would cost minutes in the real control, destroying it costs little.
ui::RichEdit* PutInFreshEditor(Editor& editor, const std::string& text) {
  DiscardEditor(editor);
  ui::RichEdit* edit = editor.main->Edit(kEditor);
  if (edit == nullptr) return nullptr;
  edit->SetRedraw(false);
  edit->SetTextLimit(TextLimitForFile(text.size()));
  edit->SetText(text);
  edit->SetRedraw(true);
  return edit;
}

// The tab holds its file as it is on disk: in use, unstarred.
void MarkTabAsOnDisk(Editor& editor, int tab) {
  FileTab& slot = editor.tabs.Tab(tab);
  slot.inUse = true;
  slot.caption = std::string(slot.Name());
  ShowTabCaption(editor, tab);
  ShowFileCaption(editor, slot.caption);
}

// The line that was at the top is at the top again, as far as the control scrolls: a
// shorter file shows its end.
void ScrollToLine(ui::RichEdit& edit, LineNumber top) { edit.LineScroll(ToIndex(top).Value() - edit.FirstVisibleLine()); }

// The caret at the start of the top line, the boxes, scroll bar and gutter numbering from
// it, and its gutter row marked.
void ShowViewFromTop(Editor& editor, ui::RichEdit& edit) {
  const LineIndex first = FirstVisibleLineOf(edit);
  ui::Window& window = *editor.main;
  window.SetScrollRange(kLineScrollBar, 0, edit.LineCount());
  window.SetScrollPos(kLineScrollBar, first.Value());
  window.SetText(kLineNumberBox, std::to_string(ToNumber(first).Value()));
  CaretToLine(editor, ToNumber(first));
  RefreshGutter(editor);
  editor.view.topLine = ToNumber(first);
  MarkCurrentGutterRow(editor);
  FocusEditor(editor);
}

// The file's text takes the tab's place, scrolled to the old top line before its lists
// and the page in view are made from it.
ui::RichEdit* TakeTextFromDisk(Editor& editor, int tab, const std::string& text, LineNumber top) {
  const ScopedFlag busy(editor.view.busy);
  ui::RichEdit* edit = PutInFreshEditor(editor, text);
  if (edit == nullptr) return nullptr;
  MarkTabAsOnDisk(editor, tab);
  ScrollToLine(*edit, top);
  FullIndex(editor, IndexProgress::kHidden);
  return edit;
}

}  // namespace

void ReloadActiveFile(Editor& editor) {
  const int tab = editor.tabs.ActiveTab();
  ui::RichEdit* edit = editor.main ? editor.main->Edit(kEditor) : nullptr;
  if (edit == nullptr || tab == 0 || editor.tabs.Tab(tab).IsEmpty()) return;
  if (!AskConfirm(editor, question::kReload)) return;
  const SourceRead read = ReadSourceFile(editor.tabs.Tab(tab).path);
  if (const int refused = ReloadRefusal(read.status); refused != 0) {
    ShowNotice(editor, refused);
    return;
  }
  const LineNumber top = ToNumber(FirstVisibleLineOf(*edit));
  ui::Window& window = *editor.main;
  window.StopTimer(kPositionTimer);
  if (ui::RichEdit* fresh = TakeTextFromDisk(editor, tab, read.bytes, top)) {
    ShowViewFromTop(editor, *fresh);
    ClearActiveTabUndoAndRedo(editor);
  }
  window.StartTimer(kPositionTimer, editor.prefs.timerIntervalMs);
}

}  // namespace editor
