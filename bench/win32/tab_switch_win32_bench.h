// Switching tabs and closing one in the real main window (the Win32 window layer under
// Wine or on Windows), at three sizes of file, against showing a hidden control.
#pragma once

#include "platform/system.h"

namespace bench {

// Prints one table per size to standard output; each case runs `runs` times and shows its
// median. Returns the process exit code.
int RunTabSwitchWin32Bench(ui::System& system, int runs);

}  // namespace bench
