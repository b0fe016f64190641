#include "editing/undo_steps.h"

#include <string>

#include "base/control_ids.h"
#include "base/scoped_flag.h"
#include "editing/index_updates.h"
#include "state/editor.h"
#include "view/gutter.h"
#include "view/main_window.h"
#include "view/notices.h"
#include "view/view_procedures.h"

namespace editor {

namespace {

ui::RichEdit* EditorControl(Editor& editor) { return editor.main ? editor.main->Edit(kEditor) : nullptr; }

struct Replay {
  const std::string& present;  // what the control holds now at the entry's start
  const std::string& wanted;   // what goes there
  int caret;
  int scroll;
};

// One range selected and replaced once, however long the texts: on the real control each
// request costs in proportion to its position, and a large replacement only once.
void ApplyReplay(Editor& editor, ui::RichEdit& edit, int start, const Replay& replay) {
  {
    const ScopedFlag busy(editor.view.busy);
    edit.SetRedraw(false);
    edit.SetSelection(start, start + static_cast<int>(replay.present.size()));
    edit.ReplaceSelection(replay.wanted, false);
    edit.SetSelection(replay.caret, replay.caret);
    edit.SetScrollPosition({0, replay.scroll});
    edit.SetRedraw(true);
  }
  MarkActiveFileModified(editor);
  const bool linesChanged = replay.present.find('\r') != std::string::npos ||
                            replay.wanted.find('\r') != std::string::npos;
  if (linesChanged) editor.main->SetScrollRange(kLineScrollBar, 0, edit.LineCount());
  UpdateFromCaretLine(editor);
  RecolourVisible(editor);
  RefreshGutter(editor);
  MarkCurrentGutterRow(editor);
  ShowUndoButtons(editor);
}

}  // namespace

UndoHistory* ActiveHistory(Editor& editor) {
  const int tab = editor.tabs.ActiveTab();
  return tab == 0 ? nullptr : &editor.tabs.Tab(tab).history;
}

void RecordEdit(Editor& editor, TextEdit edit) {
  UndoHistory* history = ActiveHistory(editor);
  if (history == nullptr) return;
  history->Record(std::move(edit));
  MarkActiveFileModified(editor);
  ShowUndoButtons(editor);
}

bool UndoStep(Editor& editor) {
  UndoHistory* history = ActiveHistory(editor);
  ui::RichEdit* edit = EditorControl(editor);
  if (history == nullptr || edit == nullptr) return false;
  const std::optional<TextEdit> entry = history->TakeUndo();
  if (!entry) return false;
  ApplyReplay(editor, *edit, entry->start, {entry->inserted, entry->removed, entry->caretBefore, entry->scrollBefore});
  return true;
}

bool RedoStep(Editor& editor) {
  UndoHistory* history = ActiveHistory(editor);
  ui::RichEdit* edit = EditorControl(editor);
  if (history == nullptr || edit == nullptr) return false;
  const std::optional<TextEdit> entry = history->TakeRedo();
  if (!entry) return false;
  ApplyReplay(editor, *edit, entry->start, {entry->removed, entry->inserted, entry->caretAfter, entry->scrollAfter});
  return true;
}

void UndoAll(Editor& editor) {
  while (UndoStep(editor)) {
  }
}

void RedoAll(Editor& editor) {
  while (RedoStep(editor)) {
  }
}

void ClearActiveTabUndoAndRedo(Editor& editor) {
  if (UndoHistory* history = ActiveHistory(editor)) history->Clear();
  ShowUndoButtons(editor);
}

void ClearUndoCommand(Editor& editor) {
  UndoHistory* history = ActiveHistory(editor);
  if (history == nullptr || !AskConfirm(editor, question::kClearUndo)) return;
  history->Clear();
  ShowUndoButtons(editor);
  ShowNotice(editor, notice::kUndoCleared);
}

void MarkActiveFileModified(Editor& editor) {
  const int tab = editor.tabs.ActiveTab();
  if (tab == 0 || !editor.main) return;
  FileTab& slot = editor.tabs.Tab(tab);
  if (slot.IsModified()) return;
  slot.caption += "*";
  editor.main->SetText(TabButtonId(tab), slot.caption);
  editor.main->SetCaption(CaptionForFile(slot.caption));
}

}  // namespace editor
