// Closing the active tab: its changes offered for saving, the later tabs moved down one
// place so that tabs stay contiguous, and a restart when none is left.
#pragma once

namespace editor {

struct Editor;

void CloseActiveFile(Editor& editor);

}  // namespace editor
