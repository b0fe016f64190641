// Opening and saving a 1 MiB generated file in the real main window (the Win32 window
// layer under Wine or on Windows), against what the control and the disk alone cost.
#pragma once

#include "platform/system.h"

namespace bench {

// Prints one table per case to standard output; each case runs `runs` times and shows
// its median. Returns the process exit code.
int RunFileIoWin32Bench(ui::System& system, int runs);

}  // namespace bench
