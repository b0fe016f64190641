// "Reset to first time use": the user picks the tab sizing and whether to keep the recent
// files; "Reset now" leaves a marker in Res, closes the editor as Exit does and starts it
// again, and the new start purges Res of every file's saved state.
#pragma once

namespace editor {

struct Editor;

namespace reset_dialog {
constexpr int kResizeTabs = 1;
constexpr int kFixedTabs = 2;
constexpr int kKeepRecentFiles = 4;
constexpr int kResetNow = 605;
constexpr int kCancel = 924;
}  // namespace reset_dialog

// Runs until the user cancels or the reset has handed over to a new instance.
void RunResetDialog(Editor& editor);

}  // namespace editor
