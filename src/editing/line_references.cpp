#include "editing/line_references.h"

#include <set>

#include "base/control_ids.h"
#include "base/number_text.h"
#include "state/editor.h"
#include "view/bookmark_pane.h"
#include "view/index_lists.h"
#include "view/places_pane.h"

namespace editor {

namespace {

// Rows' columns hold line numbers as users see them.
std::optional<LineNumber> ShiftedNumber(const LineShift& shift, LineNumber line) {
  const std::optional<LineIndex> moved = ShiftedLine(shift, ToIndex(line));
  if (!moved) return std::nullopt;
  return ToNumber(*moved);
}

void SetNumberCell(ui::Window& window, ui::ControlId list, int row, int column, LineNumber was, LineNumber now) {
  if (now != was) window.ViewSetCell(list, row, column, std::to_string(now.Value()));
}

void ShiftRows(ui::Window& window, ui::ControlId list, ui::ControlId combo, const LineShift& shift) {
  for (int row = window.ViewRowCount(list) - 1; row >= 0; --row) {
    const LineNumber begin = BeginLineOf(window, list, row);
    if (begin == kNoLine) continue;
    const std::optional<LineNumber> movedBegin = ShiftedNumber(shift, begin);
    if (!movedBegin) {
      RemoveRowAndEntry(window, list, combo, row);
      continue;
    }
    SetNumberCell(window, list, row, 1, begin, *movedBegin);
    const LineNumber end(WholeInt(window.ViewCell(list, row, 2)));
    if (end != kNoLine) SetNumberCell(window, list, row, 2, end, ToNumber(ShiftedLineKept(shift, ToIndex(end))));
  }
}

void ShiftAwaited(const LineShift& shift, LineNumber& awaited) {
  if (awaited == kNoLine) return;
  awaited = ShiftedNumber(shift, awaited).value_or(kNoLine);
}

void ShiftIndex(FileIndex& index, const LineShift& shift) {
  std::set<LineIndex> starts;
  for (const LineIndex line : index.subroutineStarts)
    if (const std::optional<LineIndex> moved = ShiftedLine(shift, line)) starts.insert(*moved);
  index.subroutineStarts = std::move(starts);
  const auto kept = [&shift](LineIndex line) { return ShiftedLineKept(shift, line); };
  index.blockComments.MoveLines(kept);
  index.assemblyBlocks.MoveLines(kept);
  ShiftAwaited(shift, index.subroutineAwaitingEnd);
  ShiftAwaited(shift, index.windowAwaitingEnd);
}

// Bookmarks follow their lines; one whose line lost its start goes, and the chosen
// entry stays chosen while its bookmark stays.
void ShiftBookmarkPane(Editor& editor, const LineShift& shift) {
  if (editor.bookmarks.empty()) return;
  int chosen = editor.main->ListSelected(kBookmarkCombo);
  if (ShiftBookmarks(editor.bookmarks, shift, &chosen)) ShowBookmarks(editor, chosen);
}

}  // namespace

void ShiftLineReferences(Editor& editor, const LineShift& shift) {
  if (!shift.MovesLines() || !editor.main) return;
  ShiftRows(*editor.main, kSubroutineList, kSubroutineCombo, shift);
  ShiftRows(*editor.main, kWindowList, kWindowCombo, shift);
  ShiftIndex(editor.index, shift);
  ShiftBookmarkPane(editor, shift);
  ShiftPlaces(editor, shift);
}

void FollowEditedLines(Editor& editor, const ui::RichEdit& edit, int start, std::string_view removed,
                       std::string_view inserted) {
  if (removed.find('\r') == std::string_view::npos && inserted.find('\r') == std::string_view::npos) return;
  const int line = edit.LineFromChar(start);
  ShiftLineReferences(editor, ShiftOf(LineIndex(line), edit.LineIndex(line) == start, removed, inserted));
}

}  // namespace editor
