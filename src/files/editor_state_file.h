// Res/vorevav4.ini, the editor state file as the tab commands rewrite it: the open
// files' paths in tab order, "!" and the active tab, "#" and the resize-tabs switch.
#pragma once

#include <string>

namespace editor {

struct Editor;

// The file's text for the tabs as they stand now.
std::string EditorStateText(const Editor& editor);

// Replaces the file whole; a failure only loses which files reopen next time.
void WriteEditorState(const Editor& editor);

}  // namespace editor
