// Connects the parts of the editor that are built to the seams of start-up, tab
// switching and the main window's commands.
#pragma once

#include "state/editor.h"

namespace editor {

void InstallParts(Editor& editor);

}  // namespace editor
