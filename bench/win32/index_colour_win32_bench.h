// The indexer and the page colouring timed on the real controls (the Win32 window layer
// under Wine or on Windows), against the baselines that say what the control costs.
#pragma once

#include "platform/system.h"

namespace bench {

// Prints one table per case to standard output; each case runs `runs` times and shows
// its median. Returns the process exit code.
int RunIndexColourWin32Bench(ui::System& system, int runs);

}  // namespace bench
