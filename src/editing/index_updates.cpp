#include "editing/index_updates.h"

#include <optional>

#include "base/control_ids.h"
#include "base/line_buffer.h"
#include "model/line_words.h"
#include "state/editor.h"
#include "view/edit_lines.h"
#include "view/index_lists.h"
#include "view/line_range_text.h"
#include "view/view_procedures.h"

namespace editor {

namespace {

// One kind of declaration the updates follow: subroutines or windows.
struct DeclarationKind {
  std::string_view opener;  // upper-case first word
  std::string_view closer;
  ui::ControlId list;
  ui::ControlId combo;
  LineNumber FileIndex::*awaitingEnd;
};

constexpr DeclarationKind kSubroutines{"SUB", "ENDSUB", kSubroutineList, kSubroutineCombo,
                                       &FileIndex::subroutineAwaitingEnd};
constexpr DeclarationKind kWindows{"OPENWINDOW", "WAITUNTIL", kWindowList, kWindowCombo,
                                   &FileIndex::windowAwaitingEnd};

void RebuildSubroutineStarts(Editor& editor) {
  ui::Window& window = *editor.main;
  editor.index.subroutineStarts.clear();
  for (int r = 0, count = window.ViewRowCount(kSubroutineList); r < count; ++r)
    if (const LineNumber line = BeginLineOf(window, kSubroutineList, r); line > kNoLine)
      editor.index.subroutineStarts.insert(ToIndex(line));
}

int AddRow(Editor& editor, const DeclarationKind& kind, std::string_view name, LineNumber line) {
  ui::Window& window = *editor.main;
  const bool subroutine = kind.list == kSubroutineList;
  const int row = subroutine ? AddSubroutineRow(window, name, line, line) : AddWindowRow(window, name, line);
  if (subroutine) {
    RefillSubroutineCombo(window);
    RebuildSubroutineStarts(editor);
  } else {
    RefillWindowCombo(window, *window.Edit(kEditor));
  }
  return row;
}

void Rename(ui::Window& window, const DeclarationKind& kind, int row, std::string_view name) {
  window.ViewSetCell(kind.list, row, 0, name);
  if (row >= window.ListCount(kind.combo)) return;
  const bool selected = window.ListSelected(kind.combo) == row;
  window.ListDelete(kind.combo, row);
  window.ListInsert(kind.combo, row, name);
  if (selected) window.ListSelect(kind.combo, row);
}

void CloseAwaited(Editor& editor, const DeclarationKind& kind, LineNumber line) {
  LineNumber& awaited = editor.index.*kind.awaitingEnd;
  if (awaited == kNoLine) return;
  if (const auto row = RowStartingOn(*editor.main, kind.list, awaited))
    editor.main->ViewSetCell(kind.list, *row, 2, std::to_string(line.Value()));
  awaited = kNoLine;
}

// A declaration line under the caret: rename the row that starts on it, or add one.
void FollowDeclaration(Editor& editor, const DeclarationKind& kind, const LineWords& words, LineNumber line) {
  ui::Window& window = *editor.main;
  const std::string_view name = words.Word(2);
  if (const auto row = RowStartingOn(window, kind.list, line)) {
    Rename(window, kind, *row, name);
  } else if (!RowNamed(window, kind.list, name)) {
    AddRow(editor, kind, name, line);
    editor.index.*kind.awaitingEnd = line;
  }
}

void DropEmptiedSubroutine(Editor& editor, LineNumber line) {
  if (const auto row = RowStartingOn(*editor.main, kSubroutineList, line)) {
    RemoveRowAndEntry(*editor.main, kSubroutineList, kSubroutineCombo, *row);
    RebuildSubroutineStarts(editor);
  }
}

// A pasted line: a new declaration is added, a known one on its own line found; its closer
// sets the end of the row found or added last.
void FollowPastedLine(Editor& editor, const DeclarationKind& kind, const LineWords& words, LineNumber line,
                      std::optional<int>& lastRow) {
  ui::Window& window = *editor.main;
  if (words.WordIs(1, kind.opener) && words.Count() >= 2) {
    const std::string_view name = words.Word(2);
    lastRow = RowNamed(window, kind.list, name);
    // A copy of a listed one elsewhere is not listed, and its end is not the listed one's.
    if (lastRow && BeginLineOf(window, kind.list, *lastRow) != line) lastRow.reset();
    else if (!lastRow) lastRow = AddRow(editor, kind, name, line);
  } else if (words.WordIs(1, kind.closer) && lastRow) {
    window.ViewSetCell(kind.list, *lastRow, 2, std::to_string(line.Value()));
  }
}

}  // namespace

void UpdateFromCaretLine(Editor& editor) {
  ui::RichEdit* edit = editor.main ? editor.main->Edit(kEditor) : nullptr;
  if (edit == nullptr) return;
  const LineIndex index = CaretLineOf(*edit);
  UpdateFromLine(editor, index, edit->GetLine(index.Value(), kLineBufferChars));
}

void UpdateFromLine(Editor& editor, LineIndex lineIndex, std::string_view text) {
  if (!editor.main) return;
  const LineNumber line = ToNumber(lineIndex);
  const LineWords words = SplitWords(text);
  for (const DeclarationKind* kind : {&kSubroutines, &kWindows}) {
    if (words.WordIs(1, kind->opener) && words.Count() == 2) FollowDeclaration(editor, *kind, words, line);
    if (words.WordIs(1, kind->closer)) CloseAwaited(editor, *kind, line);
  }
  if (words.Count() == 0) DropEmptiedSubroutine(editor, line);
  if (const std::optional<ControlEntry> control = ControlOfLine(text, line)) AddControlRow(*editor.main, *control);
}

void UpdateFromLines(Editor& editor, LineIndex firstLine, LineIndex lastLine) {
  ui::RichEdit* edit = editor.main ? editor.main->Edit(kEditor) : nullptr;
  if (edit == nullptr) return;
  std::optional<int> lastSubroutine;
  std::optional<int> lastWindow;
  const LineRangeText range = ReadLineRange(*edit, firstLine, lastLine, RestoreSelection::kYes);
  LineNumber line = ToNumber(range.firstLine);
  for (std::string_view text : range.Lines()) {
    const LineWords words = SplitWords(text);
    FollowPastedLine(editor, kSubroutines, words, line, lastSubroutine);
    FollowPastedLine(editor, kWindows, words, line, lastWindow);
    line += 1;
  }
}

void UpdateAfterPaste(Editor& editor, LineIndex firstLine, LineIndex lastLine) {
  UpdateFromLines(editor, firstLine, lastLine);
  RecolourVisible(editor);
}

}  // namespace editor
