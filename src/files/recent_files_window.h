// The "Recent files" window: the files opened before, newest first; a click opens one,
// and the list can be cleared.
#pragma once

namespace editor {

struct Editor;

namespace recent_files {
constexpr int kList = 570;
constexpr int kClearButton = 710;
constexpr int kCloseButton = 605;
}  // namespace recent_files

// Runs until the user closes it or picks a file.
void RunRecentFilesWindow(Editor& editor);

}  // namespace editor
