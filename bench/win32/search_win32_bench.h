// Searching the generated 1 MiB file through the results window on the real controls.
#pragma once

#include "platform/system.h"

namespace bench {

// Prints each search against reading the text once; each case runs `runs` times and
// shows its median. Returns the process exit code.
int RunSearchWin32Bench(ui::System& system, int runs);

}  // namespace bench
