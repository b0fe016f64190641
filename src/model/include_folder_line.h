// Reading Res/IncludeFilesPath.ini: its first line names the include folder. The file is the
// editor's own, but anything may have been left in it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace editor {

// The first line, trimmed; nullopt when it is empty, longer than a path line or holds a
// character no folder name can (a control character, < > " | ? *), so that the folder is
// searched for again instead of joined to every include name.
std::optional<std::string> IncludeFolderLine(std::string_view fileText);

}  // namespace editor
