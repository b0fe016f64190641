// The editor's entry point, shared by every platform's main.
#pragma once

#include "platform/system.h"

namespace editor {

// Builds the main window, runs the message loop until it has gone, and returns the
// process exit code.
int RunEditor(ui::System& system);

}  // namespace editor
