// Keeping the index in step with typing and pasting, one line at a time.
#pragma once

#include <string_view>

#include "base/positions.h"

namespace editor {

struct Editor;

// The caret's line after a key release: a SUB or OPENWINDOW line being typed shows its
// name as it is typed, its ENDSUB or WAITUNTIL line closes it, and a SUB line emptied of
// its words is dropped.
void UpdateFromCaretLine(Editor& editor);
// The same for the caret's line and its text, read by the caller.
void UpdateFromLine(Editor& editor, LineIndex lineIndex, std::string_view text);

// Lines that came in whole (a paste, an undone cut), inclusive: their declarations are
// listed, a known one found again.
void UpdateFromLines(Editor& editor, LineIndex firstLine, LineIndex lastLine);
// The same for a paste, with the visible page recoloured afterwards.
void UpdateAfterPaste(Editor& editor, LineIndex firstLine, LineIndex lastLine);

}  // namespace editor
