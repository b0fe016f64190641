#include "navigation/declaration_commands.h"

#include <algorithm>

#include "base/control_ids.h"
#include "editing/edit_commands.h"
#include "editing/index_updates.h"
#include "editing/recorded_replacement.h"
#include "navigation/declaration_span.h"
#include "navigation/multi_select_window.h"
#include "navigation/put_in_free_block.h"
#include "view/declaration_buttons.h"
#include "view/gutter.h"
#include "view/index_lists.h"
#include "view/notice_table.h"
#include "view/notices.h"
#include "view/places_pane.h"
#include "view/view_procedures.h"

namespace editor {

namespace {

constexpr int kEndColumn = 2;
constexpr int kHandlerColumn = 3;

ui::RichEdit* EditorControl(Editor& editor) { return editor.main ? editor.main->Edit(kEditor) : nullptr; }

// The selected entry's name and row; with nothing selected the list drops down, as it does
// for every command of the pane that needs an entry.
struct Selected {
  std::string name;
  int row = 0;
  LineNumber begin{0};
};

std::optional<Selected> SelectedOrDropDown(Editor& editor, const DeclarationPane& pane) {
  ui::Window& window = *editor.main;
  const std::optional<std::string> name = SelectedName(window, pane);
  if (!name) {
    window.DropDown(pane.combo, true);
    return std::nullopt;
  }
  const std::optional<int> row = SelectedRow(window, pane);
  if (!row || BeginLineOf(window, pane.list, *row) == kNoLine) {
    ShowNotice(editor, notice::kListOutOfDate);
    return std::nullopt;
  }
  return Selected{*name, *row, BeginLineOf(window, pane.list, *row)};
}

// The entry's code, or a notice saying why there is none; its end is written to its row.
std::optional<DeclarationSpan> SpanOrNotice(Editor& editor, const DeclarationPane& pane, const Selected& selected) {
  ui::RichEdit* edit = EditorControl(editor);
  if (edit == nullptr) return std::nullopt;
  SpanResult read = ReadDeclarationSpan(*edit, pane.kind, selected.name, selected.begin);
  if (!read.span) {
    ShowNotice(editor, read.problem == SpanProblem::kStale ? notice::kListOutOfDate : notice::kNoEndFound);
    return std::nullopt;
  }
  editor.main->ViewSetCell(pane.list, selected.row, kEndColumn, std::to_string(read.span->end.Value()));
  return read.span;
}

// A jump recorded in the places before and after, while places are remembered.
void JumpRecorded(Editor& editor, LineNumber line, void (*jump)(Editor&, LineNumber)) {
  AddPlace(editor, CurrentPlace(editor), true);
  jump(editor, line);
  AddPlace(editor, CurrentPlace(editor), true);
}

void GoTo(Editor& editor, Declaration kind) {
  if (const std::optional<Selected> selected = SelectedOrDropDown(editor, PaneOf(kind)))
    JumpRecorded(editor, selected->begin, GoToLine);
}

void GoToEnd(Editor& editor, Declaration kind) {
  const DeclarationPane& pane = PaneOf(kind);
  const std::optional<Selected> selected = SelectedOrDropDown(editor, pane);
  if (!selected) return;
  if (const std::optional<DeclarationSpan> span = SpanOrNotice(editor, pane, *selected))
    JumpRecorded(editor, span->end, ShowLineAtTop);
}

void CopyToClipboard(Editor& editor, Declaration kind) {
  const DeclarationPane& pane = PaneOf(kind);
  const std::optional<Selected> selected = SelectedOrDropDown(editor, pane);
  if (!selected) return;
  const std::optional<DeclarationSpan> span = SpanOrNotice(editor, pane, *selected);
  if (!span) return;
  editor.system.SetClipboardText(WithCrLfBreaks(span->text));
  ShowNotice(editor, notice::kCopiedToClipboard);
}

void CopyToABlock(Editor& editor, Declaration kind) {
  const DeclarationPane& pane = PaneOf(kind);
  const std::optional<Selected> selected = SelectedOrDropDown(editor, pane);
  if (!selected) return;
  if (const std::optional<DeclarationSpan> span = SpanOrNotice(editor, pane, *selected))
    CopyToBlock(editor, span->text);
}

// One replacement, one undo entry; the row and its drop-down entry go with the SUB or
// OPENWINDOW line.
void DeleteDeclaration(Editor& editor, const DeclarationPane& pane, const Selected& selected) {
  ui::RichEdit* edit = EditorControl(editor);
  const std::optional<DeclarationSpan> span = SpanOrNotice(editor, pane, selected);
  if (edit == nullptr || !span) return;
  ReplaceRecorded(editor, *edit, span->start, span->deletion, "");
  editor.main->SetScrollRange(kLineScrollBar, 0, edit->LineCount());
  ShowDeclarationButtons(editor);
  ShowLineAtTop(editor, std::min(span->begin, LineNumber(edit->LineCount())));
}

void Delete(Editor& editor, Declaration kind) {
  const DeclarationPane& pane = PaneOf(kind);
  const std::optional<Selected> selected = SelectedOrDropDown(editor, pane);
  if (!selected) return;
  // A window is always asked about; a subroutine while confirmations are on.
  const bool ask = kind == Declaration::kWindow || editor.prefs.showConfirmations;
  const int question = kind == Declaration::kWindow ? question::kDeleteWindow : question::kDeleteSubroutine;
  ConfirmContext context;
  context.listEntry = editor.main->ListText(pane.combo, editor.main->ListSelected(pane.combo));
  if (ask && !AskConfirm(editor, question, context)) return;
  DeleteDeclaration(editor, pane, *selected);
}

// The code goes out of its place and in before the marked line: two replacements, undone
// and redone as one step. A line inside the code itself is no place to put it.
void Move(Editor& editor, Declaration kind) {
  const DeclarationPane& pane = PaneOf(kind);
  ui::RichEdit* edit = EditorControl(editor);
  if (edit == nullptr) return;
  if (!SelectedName(*editor.main, pane)) {
    ShowNotice(editor, pane.selectFirstNotice);
    editor.main->Focus(pane.combo);
    return;
  }
  const std::optional<LineNumber> target = MarkedGutterLine(editor);
  if (!target) {
    ShowNotice(editor, notice::kClickWhereToInsert);
    return;
  }
  const std::optional<Selected> selected = SelectedOrDropDown(editor, pane);
  if (!selected) return;
  const std::optional<DeclarationSpan> span = SpanOrNotice(editor, pane, *selected);
  if (!span) return;
  const int removedLines = static_cast<int>(std::count(span->deletion.begin(), span->deletion.end(), '\r'));
  if (*target > span->begin && *target <= span->begin + removedLines) {
    ShowNotice(editor, notice::kClickWhereToInsert);
    return;
  }
  if (*target == span->begin) return;  // already there
  const int targetStart = edit->LineIndex(ToIndex(*target).Value());
  if (targetStart < 0) return;
  // The blank line that goes with the code travels with it, so that moving it back
  // restores the text as it was.
  std::string moved = span->deletion;
  if (moved.back() != '\r') moved += '\r';
  const auto deleted = static_cast<int>(span->deletion.size());
  const int insertAt = targetStart > span->start ? targetStart - deleted : targetStart;
  ReplaceRecorded(editor, *edit, span->start, span->deletion, "");
  ReplaceRecorded(editor, *edit, insertAt, "", moved, UndoGroup::kWithPrevious);
  const LineIndex first(edit->LineFromChar(insertAt));
  UpdateFromLines(editor, first, first + static_cast<int>(std::count(moved.begin(), moved.end(), '\r')) - 1);
  editor.main->SetScrollRange(kLineScrollBar, 0, edit->LineCount());
  ShowDeclarationButtons(editor);
  ShowLineAtTop(editor, ToNumber(first));
  const int caret = insertAt + static_cast<int>(moved.size());
  edit->SetSelection(caret, caret);
}

void GoToHandler(Editor& editor) {
  const DeclarationPane& pane = PaneOf(Declaration::kWindow);
  const std::optional<Selected> selected = SelectedOrDropDown(editor, pane);
  ui::RichEdit* edit = EditorControl(editor);
  if (!selected || edit == nullptr) return;
  const std::string line = edit->GetLine(ToIndex(selected->begin).Value(), 512);
  const std::optional<std::string> handler = HandlerNameIn(line);
  const std::optional<int> row = handler ? RowNamed(*editor.main, kSubroutineList, *handler) : std::nullopt;
  if (!row) {
    ShowNotice(editor, notice::kHandlerNotFound);
    return;
  }
  editor.main->ViewSetCell(pane.list, selected->row, kHandlerColumn, *handler);
  JumpRecorded(editor, BeginLineOf(*editor.main, kSubroutineList, *row), GoToLine);
}

void MultiSelect(Editor& editor, Declaration kind) { RunMultiSelectWindow(editor, kind); }

void ClearSelection(Editor& editor, Declaration kind) {
  editor.main->ListSelect(PaneOf(kind).combo, -1);
  ShowDeclarationButtons(editor);
}

void SelectionChanged(Editor& editor, Declaration kind) {
  if (!editor.view.loading) AddPlace(editor, CurrentPlace(editor), true);
  ShowDeclarationButtons(editor);
  if (!editor.view.jumpToSelections || editor.view.loading) return;
  const DeclarationPane& pane = PaneOf(kind);
  if (SelectedName(*editor.main, pane)) {
    GoTo(editor, kind);
  } else {
    ShowNotice(editor, pane.selectFirstNotice);
    editor.main->Focus(pane.combo);
  }
}

template <void (*F)(Editor&, Declaration), Declaration K>
void Run(Editor& editor, const ui::Event&) {
  F(editor, K);
}

constexpr Declaration kSub = Declaration::kSubroutine;
constexpr Declaration kWin = Declaration::kWindow;

constexpr ControlCommand kControlRows[] = {
    {kSubroutineCombo, ui::notify::kSelectionChanged, Run<SelectionChanged, kSub>},
    {kGoToSubButton, ui::notify::kClick, Run<GoTo, kSub>},
    {kGoToSubEndButton, ui::notify::kClick, Run<GoToEnd, kSub>},
    {kCopySubButton, ui::notify::kClick, Run<CopyToClipboard, kSub>},
    {kCopySubToBlockButton, ui::notify::kClick, Run<CopyToABlock, kSub>},
    {kDeleteSubButton, ui::notify::kClick, Run<Delete, kSub>},
    {kMoveSubButton, ui::notify::kClick, Run<Move, kSub>},
    {kSubMultiSelectButton, ui::notify::kClick, Run<MultiSelect, kSub>},
    {kClearSubSelectionButton, ui::notify::kClick, Run<ClearSelection, kSub>},
    {kWindowCombo, ui::notify::kSelectionChanged, Run<SelectionChanged, kWin>},
    {kGoToWindowButton, ui::notify::kClick, Run<GoTo, kWin>},
    {kGoToWindowEndButton, ui::notify::kClick, Run<GoToEnd, kWin>},
    {kGoToHandlerButton, ui::notify::kClick, Call<GoToHandler>},
    {kCopyWindowButton, ui::notify::kClick, Run<CopyToClipboard, kWin>},
    {kCopyWindowToBlockButton, ui::notify::kClick, Run<CopyToABlock, kWin>},
    {kDeleteWindowButton, ui::notify::kClick, Run<Delete, kWin>},
    {kMoveWindowButton, ui::notify::kClick, Run<Move, kWin>},
    {kWindowMultiSelectButton, ui::notify::kClick, Run<MultiSelect, kWin>},
    {kClearWindowSelectionButton, ui::notify::kClick, Run<ClearSelection, kWin>},
};

}  // namespace

CommandRows DeclarationCommands() { return {kControlRows, {}}; }

}  // namespace editor
