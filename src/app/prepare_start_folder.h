// What a start does before anything is read from Res: the first-time setup when there is
// no Res, then the purge a pending reset to first-time use asks for.
#pragma once

#include "state/editor.h"

namespace editor {

// False when the setup failed and the program must end without a main window.
bool PrepareStartFolder(Editor& editor);

}  // namespace editor
