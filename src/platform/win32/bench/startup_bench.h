// The time from starting a program to its main window waiting for input, for the editor
// and for a program that opens one window with one rich edit, in the same run.
#pragma once

namespace bench {

// Prints the table to standard output; each program starts `runs` times and shows its
// median. Returns the process exit code.
int RunStartupBench(int runs);

}  // namespace bench
