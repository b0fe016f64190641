#include "view/edit_position_panel.h"

#include <algorithm>
#include <string>

#include "base/control_ids.h"

namespace editor {

namespace {

constexpr int kCellWidth = 8;

void SetIfChanged(ui::Window& window, ui::ControlId id, const std::string& text) {
  // The line field's change notice marks the gutter: it is sent only for a new line.
  if (window.GetText(id) != text) window.SetText(id, text);
}

}  // namespace

void ShowEditPositionPanel(Editor& editor, bool shown) {
  ui::Window& window = *editor.main;
  editor.view.editPositionShown = shown;
  for (ui::ControlId id : {kCurrentLineField, kColumnField, kEditPositionField, kEditOffsetField})
    window.ShowControl(id, shown);
  window.SetText(kShowEditPositionBox, shown ? "Hide the edit position" : "Show the edit position");
  window.SetTooltip(kShowEditPositionBox,
                    shown ? "Hide the edit position etc" : "Show the edit position etc (top right of the screen)");
  window.SetChecked(kShowEditPositionBox, false);
}

void ShowEditPosition(Editor& editor, const ui::RichEdit& edit) {
  if (!editor.main || !editor.view.editPositionShown) return;
  const int line = edit.LineFromChar(edit.GetSelection().first);
  ShowEditPosition(editor, edit, LineIndex(line), edit.LineIndex(line));
}

void ShowEditPosition(Editor& editor, const ui::RichEdit& edit, LineIndex caretLine, int lineStart) {
  if (!editor.main || !editor.view.editPositionShown) return;
  ui::Window& window = *editor.main;
  const int line = caretLine.Value();
  const auto [caret, selectionEnd] = edit.GetSelection();
  const ui::Point at = caret == selectionEnd ? edit.CaretPoint() : edit.PositionFromChar(caret);
  const int cellColumn = std::max(0, (at.x - 1) / kCellWidth + 1);
  editor.view.editColumn = cellColumn;
  editor.view.editOffset = lineStart + cellColumn;
  SetIfChanged(window, kCurrentLineField, std::to_string(line + 1));
  SetIfChanged(window, kColumnField, std::to_string(caret - lineStart + 1));
  SetIfChanged(window, kEditPositionField, std::to_string(editor.view.editColumn));
  SetIfChanged(window, kEditOffsetField, std::to_string(editor.view.editOffset));
}

}  // namespace editor
