// Closing the editor in order: tool windows, timer, each modified file offered for saving,
// the editor state written, then every window closed.
#pragma once

#include "state/editor.h"

namespace editor {

void ExitPath(Editor& editor);

// "I can't scroll - fix it for me": close as above and start the editor again.
void RestartEditor(Editor& editor);

// Starts a new instance of the editor's executable from the start folder.
void StartEditorAgain(Editor& editor);

}  // namespace editor
