// What every key release in the edit control keeps in step with the caret's line: the
// bracket counts, the index and the line's colours.
#pragma once

namespace editor {

struct Editor;

void AfterEditKeyRelease(Editor& editor, int virtualKey);

}  // namespace editor
