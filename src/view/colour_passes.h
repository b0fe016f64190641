// Colouring the lines that are on screen or about to come on screen. Each pass works
// out the colours of its lines in memory and sends the control one selection and one
// colour request per run of one colour.
#pragma once

#include <string_view>

#include "base/positions.h"
#include "model/line_colouring.h"
#include "platform/rich_edit.h"
#include "platform/window.h"

namespace editor {

struct Editor;

enum class ColourPass {
  kVisiblePage,   // after loading, re-indexing, undo, tab switches and jumps
  kCurrentLine,   // after typing and the editing keys
  kNextPage,      // Page Down, before the view scrolls
  kPreviousPage,  // Page Up, before the view scrolls
  kLineBelow,     // one line down from the main window's scroll bar
  kLineAbove,     // one line up from the main window's scroll bar
  kLinesAbove,    // a page up from the main window's scroll bar
  kPageBelow,     // Down arrow on the last visible line
};

// A pass's lines, inclusive, and the length a line's text must exceed, leading blanks
// aside, to be coloured; -1 colours every line.
struct PassLines {
  LineIndex first{0};
  LineIndex last{-1};
  int threshold = -1;
  friend bool operator==(const PassLines&, const PassLines&) = default;
};

PassLines LinesOfPass(ColourPass pass, LineIndex firstVisible, int visibleLines, LineIndex caretLine);

// The names of the file's subroutines, windows and controls, as its lists hold them.
class WindowLocalNames final : public LocalNames {
 public:
  explicit WindowLocalNames(const ui::Window& window) : window_(window) {}
  bool IsSubroutine(std::string_view word) const override;
  bool IsWindow(std::string_view word) const override;
  bool IsControl(std::string_view word) const override;

 private:
  const ui::Window& window_;
};

// Colours lines [first, last] of the control; their text is read in one request. The
// caret and the first visible line come back as they were.
void ColourLines(ui::RichEdit& edit, LineIndex first, LineIndex last, int threshold,
                 const LineColourContext& context);

// One pass over the active file, with the main window's timer stopped and redrawing
// off for its duration.
void RunColourPass(Editor& editor, ColourPass pass);

// The same for lines of the caller's choosing.
void ColourEditorLines(Editor& editor, const PassLines& lines);

}  // namespace editor
