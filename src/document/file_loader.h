// Bringing a source file into a tab: the open dialog, the already-open rule, the whole
// read, the first tab free, and the file's companion state restored or begun.
#pragma once

#include <filesystem>

namespace editor {

struct Editor;

enum class LoadResult {
  kLoaded,
  kAlreadyOpen,  // its tab is on screen instead
  kRefused,      // the file cannot be held whole; a notice said so and nothing changed
  kNoFreeTab,
};

LoadResult LoadFile(Editor& editor, const std::filesystem::path& path);

// The Open command's work after its check for a free tab: the on-screen tab is left,
// the user picks a file, and a cancel puts the active tab's state back.
void OpenFileFromDialog(Editor& editor);

}  // namespace editor
