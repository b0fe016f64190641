// The editor font's line height and character width, measured once at start-up, and the
// gutter geometry that follows from them.
#pragma once

#include "platform/system.h"

namespace editor {

struct LineMetrics {
  int lineHeight = 16;
  int charWidth = 8;
  int gutterLines = 29;     // N: visible rows and gutter labels
  int gutterHeight = 485;   // the edit area's height
};

// N = 485 / L - 1 gutter lines and a gutter height of L + L * N + 5.
LineMetrics MetricsFor(int lineHeight, int charWidth);

// Measures in a hidden "Get Line spacing" window: the caret's y at the start of line 1
// less its y at the start of line 0 is the line height.
LineMetrics MeasureLineSpacing(ui::System& system, const ui::FontSpec& editorFont);

}  // namespace editor
