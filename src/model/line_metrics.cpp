#include "model/line_metrics.h"

namespace editor {

namespace {

constexpr int kGutterSpan = 485;
constexpr int kFallbackLineHeight = 16;
constexpr ui::ControlId kProbeEdit = 1;

}  // namespace

LineMetrics MetricsFor(int lineHeight, int charWidth) {
  // A control that measured nothing (no font, no display) must not divide by zero or
  // lay out a gutter of thousands of rows.
  if (lineHeight <= 0 || lineHeight > kGutterSpan / 2) lineHeight = kFallbackLineHeight;
  LineMetrics metrics;
  metrics.lineHeight = lineHeight;
  metrics.charWidth = charWidth > 0 ? charWidth : lineHeight / 2;
  metrics.gutterLines = kGutterSpan / lineHeight - 1;
  metrics.gutterHeight = lineHeight + lineHeight * metrics.gutterLines + 5;
  return metrics;
}

LineMetrics MeasureLineSpacing(ui::System& system, const ui::FontSpec& editorFont) {
  ui::WindowSpec desc;
  desc.caption = "Get Line spacing";
  desc.rect = {0, 0, 800, 600};
  desc.visible = false;
  auto window = system.CreateTopLevel(desc);
  if (!window) return MetricsFor(0, 0);

  ui::ControlSpec editSpec;
  editSpec.kind = ui::ControlKind::kRichEdit;
  editSpec.id = kProbeEdit;
  editSpec.rect = {0, 0, 780, 560};
  editSpec.font = editorFont;
  ui::RichEdit* edit = window->CreateControl(editSpec) ? window->Edit(kProbeEdit) : nullptr;
  if (!edit) return MetricsFor(0, 0);

  edit->SetText(" Opening files\r\nPlease wait...");
  edit->SetSelection(edit->LineIndex(0), edit->LineIndex(0));
  const ui::Point lineZero = edit->PositionFromChar(edit->LineIndex(0));
  edit->SetSelection(edit->LineIndex(1), edit->LineIndex(1));
  const ui::Point lineOne = edit->PositionFromChar(edit->LineIndex(1));
  const int charWidth = edit->PositionFromChar(1).x - edit->PositionFromChar(0).x;
  window->Close();
  return MetricsFor(lineOne.y - lineZero.y, charWidth);
}

}  // namespace editor
