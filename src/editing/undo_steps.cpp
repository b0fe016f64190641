#include "editing/undo_steps.h"

#include <algorithm>
#include <optional>
#include <string>

#include "base/control_ids.h"
#include "base/scoped_flag.h"
#include "editing/index_updates.h"
#include "editing/line_references.h"
#include "state/editor.h"
#include "view/gutter.h"
#include "view/main_window.h"
#include "view/notices.h"
#include "view/view_procedures.h"

namespace editor {

namespace {

ui::RichEdit* EditorControl(Editor& editor) { return editor.main ? editor.main->Edit(kEditor) : nullptr; }

enum class Direction { kBack, kForward };

// Whole lines a step brings back are listed as a paste's are.
void IndexLinesPutBack(Editor& editor, const ui::RichEdit& edit, int start, const std::string& text) {
  const auto breaks = static_cast<int>(std::count(text.begin(), text.end(), '\r'));
  if (breaks == 0) return;
  const LineIndex first(edit.LineFromChar(start));
  UpdateFromLines(editor, first, first + breaks);
}

struct Replayed {
  bool linesChanged = false;
  bool stepGoesOn = false;  // the next entry belongs to the same command
};

// One entry's text put back or forward: one range selected and replaced once, however long
// the texts, since on the real control each request costs in proportion to its position.
// nullopt when the store was empty.
std::optional<Replayed> ReplayText(Editor& editor, UndoHistory& history, ui::RichEdit& edit, Direction direction) {
  const bool back = direction == Direction::kBack;
  const std::optional<TextEdit> entry = back ? history.TakeUndo() : history.TakeRedo();
  if (!entry) return std::nullopt;
  const std::string& present = back ? entry->inserted : entry->removed;
  const std::string& wanted = back ? entry->removed : entry->inserted;
  const int caret = back ? entry->caretBefore : entry->caretAfter;
  const ScopedFlag busy(editor.view.busy);
  edit.SetRedraw(false);
  edit.SetSelection(entry->start, entry->start + static_cast<int>(present.size()));
  edit.ReplaceSelection(wanted, false);
  FollowEditedLines(editor, edit, entry->start, present, wanted);
  IndexLinesPutBack(editor, edit, entry->start, wanted);
  edit.SetSelection(caret, caret);
  edit.SetScrollPosition({0, back ? entry->scrollBefore : entry->scrollAfter});
  edit.SetRedraw(true);
  Replayed replayed;
  replayed.linesChanged = present.find('\r') != std::string::npos || wanted.find('\r') != std::string::npos;
  replayed.stepGoesOn = back ? entry->joinedToPrevious : history.RedoJoinsPrevious();
  return replayed;
}

// The index, colours, gutter and buttons follow the text once, however many steps ran:
// colouring a page costs tens of milliseconds on the real control.
void FollowReplayedText(Editor& editor, ui::RichEdit& edit, bool linesChanged) {
  ++editor.view.textEdits;
  MarkActiveFileModified(editor);
  if (linesChanged) editor.main->SetScrollRange(kLineScrollBar, 0, edit.LineCount());
  UpdateFromCaretLine(editor);
  RecolourVisible(editor);
  RefreshGutter(editor);
  MarkCurrentGutterRow(editor);
  ShowUndoButtons(editor);
}

bool Step(Editor& editor, Direction direction, bool wholeStore) {
  UndoHistory* history = ActiveHistory(editor);
  ui::RichEdit* edit = EditorControl(editor);
  if (history == nullptr || edit == nullptr) return false;
  bool stepped = false;
  bool linesChanged = false;
  for (;;) {
    const std::optional<Replayed> replayed = ReplayText(editor, *history, *edit, direction);
    if (!replayed) break;
    stepped = true;
    linesChanged = linesChanged || replayed->linesChanged;
    if (!wholeStore && !replayed->stepGoesOn) break;
  }
  if (stepped) FollowReplayedText(editor, *edit, linesChanged);
  return stepped;
}

}  // namespace

UndoHistory* ActiveHistory(Editor& editor) {
  const int tab = editor.tabs.ActiveTab();
  return tab == 0 ? nullptr : &editor.tabs.Tab(tab).history;
}

void RecordEdit(Editor& editor, TextEdit edit) {
  ++editor.view.textEdits;
  UndoHistory* history = ActiveHistory(editor);
  if (history == nullptr) return;
  if (ui::RichEdit* control = EditorControl(editor)) FollowEditedLines(editor, *control, edit.start, edit.removed, edit.inserted);
  history->Record(std::move(edit));
  MarkActiveFileModified(editor);
  ShowUndoButtons(editor);
}

bool UndoStep(Editor& editor) { return Step(editor, Direction::kBack, false); }
bool RedoStep(Editor& editor) { return Step(editor, Direction::kForward, false); }
void UndoAll(Editor& editor) { Step(editor, Direction::kBack, true); }
void RedoAll(Editor& editor) { Step(editor, Direction::kForward, true); }

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
  ShowTabCaption(editor, tab);
  ShowFileCaption(editor, slot.caption);
}

}  // namespace editor
