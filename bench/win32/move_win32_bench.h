// Moving a subroutine through the real control.
#pragma once

#include "platform/system.h"

namespace bench {

// Prints the move against its baseline; each case runs `runs` times and shows its median.
// Returns the process exit code.
int RunMoveWin32Bench(ui::System& system, int runs);

}  // namespace bench
