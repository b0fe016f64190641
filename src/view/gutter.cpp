#include "view/gutter.h"

#include <string>

#include "base/control_ids.h"
#include "base/number_text.h"
#include "view/edit_lines.h"

namespace editor {

namespace {

constexpr std::string_view kMarker = "> ";

ui::ControlId Row(int i) { return kFirstGutterLabel + i - 1; }

void ColourRow(Editor& editor, int i, bool marked) {
  editor.main->SetColours(Row(i), marked ? editor.prefs.lineHighlight : editor.prefs.lineDefault,
                          editor.prefs.windowBackground);
}

// A row already showing this text keeps it: setting a label's text and colours repaints
// it, which costs far more in the real control than reading its text, and a tab switch
// would otherwise repaint every row twice.
void SetRow(Editor& editor, int i, LineNumber line, bool marked) {
  const std::string number = std::to_string(line.Value());
  const std::string text = marked ? std::string(kMarker) + number : number;
  if (editor.main->GetText(Row(i)) == text) return;
  editor.main->SetText(Row(i), text);
  ColourRow(editor, i, marked);
}

struct RowState {
  LineNumber line = kNoLine;  // for a row showing no number
  bool marked = false;
};

RowState ReadRow(const ui::Window& window, int i) {
  const std::string text = window.GetText(Row(i));
  std::string_view digits = text;
  RowState row;
  row.marked = digits.starts_with(kMarker);
  if (row.marked) digits.remove_prefix(kMarker.size());
  row.line = LineNumber(LeadingInt(digits));
  return row;
}

LineIndex FirstVisibleLine(Editor& editor) {
  ui::RichEdit* edit = editor.main->Edit(kEditor);
  return edit != nullptr ? FirstVisibleLineOf(*edit) : LineIndex(0);
}

}  // namespace

void RefreshGutter(Editor& editor) {
  if (!editor.main) return;
  const LineNumber first = ToNumber(FirstVisibleLine(editor));
  for (int i = 1; i <= editor.metrics.gutterLines; ++i) SetRow(editor, i, first + (i - 1), false);
}

void NumberGutterFromOne(Editor& editor) {
  if (!editor.main) return;
  for (int i = 1; i <= editor.metrics.gutterLines; ++i) SetRow(editor, i, LineNumber(i), false);
}

void MarkCurrentGutterRow(Editor& editor) { MarkGutterLine(editor, editor.view.topLine); }

void MarkGutterLine(Editor& editor, LineNumber line) {
  if (!editor.main) return;
  // Only rows whose marker changes are repainted: this runs on timer ticks.
  for (int i = 1; i <= editor.metrics.gutterLines; ++i) {
    const RowState row = ReadRow(*editor.main, i);
    if (row.line > kNoLine && row.marked != (row.line == line)) SetRow(editor, i, row.line, row.line == line);
  }
}

LineNumber MarkedGutterLine(const Editor& editor) {
  if (!editor.main) return kNoLine;
  for (int i = 1; i <= editor.metrics.gutterLines; ++i)
    if (const RowState row = ReadRow(*editor.main, i); row.marked) return row.line;
  return kNoLine;
}

void RecolourGutter(Editor& editor) {
  if (!editor.main) return;
  for (int i = 1; i <= editor.metrics.gutterLines; ++i) ColourRow(editor, i, ReadRow(*editor.main, i).marked);
}

}  // namespace editor
