// Rebuilding the control search's list on the real list view.
#pragma once

#include "platform/system.h"

namespace bench {

// Prints the rebuild against its baseline; each case runs `runs` times and shows its
// median. Returns the process exit code.
int RunControlListWin32Bench(ui::System& system, int runs);

}  // namespace bench
