// Every child control of the main window: its id, kind, place, font and text, and in
// which layout it is shown. One table, so that creating the window and switching between
// the no-file and file-open layouts read the same facts.
#pragma once

#include <string>
#include <vector>

#include "model/line_metrics.h"
#include "platform/window.h"

namespace editor {

// When a control is on screen.
enum class Shown {
  kAlways,    // in both layouts: what a user needs before any file is open
  kWithFile,  // only while a file is open
  kOnDemand,  // created hidden; the operation that needs it shows it
  // Shown by the layout without a file; while files are open, the operations that own it
  // decide (a tab's button shows while its tab holds a file).
  kUntilFilesOpen,
};

struct ListColumn {
  std::string title;
  int width = 100;
};

struct LayoutEntry {
  ui::ControlSpec desc;
  Shown shown = Shown::kWithFile;
  std::vector<ListColumn> columns;  // list views only
};

// The edit area's rectangle for the measured line height: (119, 100, 1188, H).
ui::Rect EditorRect(const LineMetrics& metrics);

// All controls except the rich edits, the gutter labels and the font list, which depend
// on the editor font and are created by the window itself.
const std::vector<LayoutEntry>& MainWindowControls();

// The N gutter labels, ids 1001.., right-aligned beside the edit area one line apart.
std::vector<LayoutEntry> GutterLabels(const LineMetrics& metrics, const ui::FontSpec& editorFont);

// The line scroll bar beside the edit area and the first/last line buttons at its ends.
std::vector<LayoutEntry> EditAreaFrame(const LineMetrics& metrics);

}  // namespace editor
