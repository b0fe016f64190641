// File names and paths as the editor's own files and dialogs take them; a path is split at
// its last "\" or "/", so that the same code runs on Windows and on Linux.
#pragma once

#include <string_view>

namespace editor {

// The name after the path's last separator; the whole text when it has none.
std::string_view FileNameOf(std::string_view path);

// A name the user typed or a list offered that stays inside the folder it is meant for:
// no folder part, no character that Windows file names cannot hold, not "." or "..".
bool IsPlainFileName(std::string_view name);

}  // namespace editor
