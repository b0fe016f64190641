// The first start in a folder without Res: the folders, the preference files, the reset
// marker that empties Res at once, and the installed files, each step ticked in a window
// as it succeeds; or "Setup Error" and the end of the program.
#pragma once

#include "base/file_steps.h"
#include "platform/system.h"

namespace editor {

namespace first_time_setup {
constexpr int kFirstStepLabel = 946;  // seven steps: 946 to 952
constexpr int kStepCount = 7;
constexpr int kFirstTick = 960;  // the tick of step k is 960 + k
constexpr int kCross = 970;
constexpr int kCheckStep = 7;
}  // namespace first_time_setup

// True when every folder and file is in place and the start can carry on. A setup that
// fails takes back the Res folder it made, so that the next start runs it again instead of
// starting without the files it needs.
bool RunFirstTimeSetup(ui::System& system, FileSteps& files = DiskFiles());

}  // namespace editor
