// Res/RecentFiles.ini, the files opened before, oldest first, one path a line.
#pragma once

#include <cstdint>
#include <filesystem>

namespace editor {

struct Editor;

constexpr std::uintmax_t kLargestRecentFiles = 64u << 20;  // far beyond 10,000 paths

std::filesystem::path RecentFilesPath(const Editor& editor);

// Adds the path as the newest line. The file is replaced whole, so that a failed write
// leaves the list as it was and not half a line longer; the user is told.
void AppendRecentFile(Editor& editor, const std::filesystem::path& path);

// Removes the file; the user is told when it stays.
void ClearRecentFiles(Editor& editor);

}  // namespace editor
