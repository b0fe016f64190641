// Writing a file whole without ever leaving half of it: the bytes go to a temporary
// beside it, which is renamed over the old file only once it is complete.
#pragma once

#include <filesystem>
#include <string_view>

#include "base/file_steps.h"

namespace editor {

// True when the file now holds exactly these bytes; on false the old file is untouched
// and no temporary is left beside it.
bool ReplaceFileWhole(FileSteps& files, const std::filesystem::path& path, std::string_view bytes);

// The same, leaving a file that already holds exactly these bytes alone: reading a small
// file back costs far less than writing and renaming one, and companion files are written
// on every tab switch whether anything changed or not.
bool ReplaceFileUnlessSame(FileSteps& files, const std::filesystem::path& path, std::string_view bytes);

}  // namespace editor
