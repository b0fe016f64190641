// What the editor adds around each key and mouse action in a file's rich edit: undo
// entries for what the keys change, the modified star, the undo and redo keys, colouring
// of what scrolls into view, the Cut/Copy/Paste items and the context menu. Every message
// it does not consume goes on to the control.
#pragma once

namespace editor {

struct Editor;

// Puts the handler in front of the edit control now on screen; each file's control gets
// its own when it is made.
void InstallEditControlHandler(Editor& editor);

}  // namespace editor
