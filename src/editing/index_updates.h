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

// The lines of a paste, inclusive; the visible page is recoloured afterwards.
void UpdateAfterPaste(Editor& editor, LineIndex firstLine, LineIndex lastLine);

}  // namespace editor
