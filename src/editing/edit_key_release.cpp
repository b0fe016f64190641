#include "editing/edit_key_release.h"

#include <string>

#include "base/control_ids.h"
#include "base/line_buffer.h"
#include "editing/bracket_counter.h"
#include "editing/index_updates.h"
#include "state/editor.h"
#include "view/colour_passes.h"
#include "view/declaration_buttons.h"
#include "view/edit_lines.h"
#include "view/edit_position_panel.h"
#include "view/index_lists.h"

namespace editor {

namespace {

// A key released on a SUB line shows that subroutine in its list and drop-down. The
// starts are looked up first, so that a key elsewhere reads no rows.
void SelectSubroutineStartingOn(Editor& editor, LineIndex line) {
  if (editor.view.loading || !editor.index.subroutineStarts.contains(line)) return;
  ui::Window& window = *editor.main;
  const std::optional<int> row = RowStartingOn(window, kSubroutineList, ToNumber(line));
  if (!row) return;
  for (const int selected : window.ViewSelectedRows(kSubroutineList))
    if (selected != *row) window.ViewSelect(kSubroutineList, selected, false);
  window.ViewSelect(kSubroutineList, *row, true);
  if (*row < window.ListCount(kSubroutineCombo) && window.ListSelected(kSubroutineCombo) != *row) {
    window.ListSelect(kSubroutineCombo, *row);
    ShowDeclarationButtons(editor);
  }
}

// With no selection the control answers the caret line's start from the caret, without
// walking the text; a selection's ends may lie on different lines.
int CaretLineStart(const ui::RichEdit& edit, LineIndex caretLine) {
  const auto [start, end] = edit.GetSelection();
  return start == end ? edit.LineIndex(-1) : edit.LineIndex(caretLine.Value());
}

}  // namespace

CaretLineText AfterEditKeyRelease(Editor& editor, const KeyRelease& key, PaintedLine& painted) {
  if (editor.view.busy) return {};
  ui::RichEdit& edit = *editor.main->Edit(kEditor);
  // The caret's line is found and read once: each request costs in proportion to the
  // line number in the real control, and this runs on every key.
  const LineIndex caretLine = CaretLineOf(edit);
  const std::string text = edit.GetLine(caretLine.Value(), kLineBufferChars);
  const int lineStart = CaretLineStart(edit, caretLine);
  ShowEditPosition(editor, edit, caretLine, lineStart);
  ShowBracketCountsOf(editor, text);
  UpdateFromLine(editor, caretLine, text);
  SelectSubroutineStartingOn(editor, caretLine);
  // A key that changed nothing leaves the colours as they are.
  if (key.textChanged) {
    if (key.virtualKey == ui::key::kEnter) {
      // Enter has just given the line above its break, which ends the word it ended with.
      ColourEditorLines(editor, {caretLine - 1, caretLine, -1});
    } else {
      ColourCaretLine(editor, edit, caretLine, lineStart, text, key.edits, painted);
    }
  }
  std::string_view body = text;
  if (!body.empty() && body.back() == '\r') body.remove_suffix(1);
  return {caretLine, lineStart, std::string(body)};
}

}  // namespace editor
