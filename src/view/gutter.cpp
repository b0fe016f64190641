#include "view/gutter.h"

#include <string>

#include "base/control_ids.h"
#include "base/number_text.h"

namespace editor {

namespace {

constexpr std::string_view kMarker = "> ";

ui::ControlId Row(int i) { return kFirstGutterLabel + i - 1; }

void ColourRow(Editor& editor, int i, bool marked) {
  editor.main->SetColours(Row(i), marked ? editor.prefs.lineHighlight : editor.prefs.lineDefault,
                          editor.prefs.windowBackground);
}

void SetRow(Editor& editor, int i, int line, bool marked) {
  const std::string number = std::to_string(line);
  editor.main->SetText(Row(i), marked ? std::string(kMarker) + number : number);
  ColourRow(editor, i, marked);
}

struct RowState {
  int line = 0;  // 0 for a row showing no number
  bool marked = false;
};

RowState ReadRow(const ui::Window& window, int i) {
  const std::string text = window.GetText(Row(i));
  std::string_view digits = text;
  RowState row;
  row.marked = digits.starts_with(kMarker);
  if (row.marked) digits.remove_prefix(kMarker.size());
  row.line = LeadingInt(digits);
  return row;
}

int FirstVisibleLine(Editor& editor) {
  ui::RichEdit* edit = editor.main->Edit(kEditor);
  return edit != nullptr ? edit->FirstVisibleLine() : 0;
}

}  // namespace

void RefreshGutter(Editor& editor) {
  if (!editor.main) return;
  const int first = FirstVisibleLine(editor);
  for (int i = 1; i <= editor.metrics.gutterLines; ++i) SetRow(editor, i, first + i, false);
}

void NumberGutterFromOne(Editor& editor) {
  if (!editor.main) return;
  for (int i = 1; i <= editor.metrics.gutterLines; ++i) SetRow(editor, i, i, false);
}

void MarkCurrentGutterRow(Editor& editor) { MarkGutterLine(editor, editor.view.topLine); }

void MarkGutterLine(Editor& editor, int line) {
  if (!editor.main) return;
  // Only rows whose marker changes are repainted: this runs on timer ticks.
  for (int i = 1; i <= editor.metrics.gutterLines; ++i) {
    const RowState row = ReadRow(*editor.main, i);
    if (row.line > 0 && row.marked != (row.line == line)) SetRow(editor, i, row.line, row.line == line);
  }
}

void RecolourGutter(Editor& editor) {
  if (!editor.main) return;
  for (int i = 1; i <= editor.metrics.gutterLines; ++i) ColourRow(editor, i, ReadRow(*editor.main, i).marked);
}

}  // namespace editor
