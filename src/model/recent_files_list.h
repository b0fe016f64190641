// The recent files list as the "Recent files" window shows it: the paths of
// Res/RecentFiles.ini, oldest first on disk, newest first on screen.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace editor {

// Newest first. Lines are trimmed and read at most 512 bytes long; a path repeated on the
// next line shows once; empty lines are skipped; at most the newest 10,000 are kept.
std::vector<std::string> RecentFilesNewestFirst(std::string_view fileText);

}  // namespace editor
