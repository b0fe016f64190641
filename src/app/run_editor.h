// The editor's entry point, shared by every platform's main.
#pragma once

#include "app/startup.h"
#include "platform/system.h"

namespace editor {

// Starts the editor, runs the message loop until the main window has gone, and returns
// the process exit code.
int RunEditor(ui::System& system, const StartOptions& options = {});

}  // namespace editor
