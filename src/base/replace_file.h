// Writing a file whole without ever leaving half of it: the bytes go to a temporary
// beside it, which is renamed over the old file only once it is complete.
#pragma once

#include <filesystem>
#include <string_view>

namespace editor {

// True when the file now holds exactly these bytes; on false the old file is untouched.
bool ReplaceFileWhole(const std::filesystem::path& path, std::string_view bytes);

}  // namespace editor
