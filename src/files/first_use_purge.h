// The purge for first-time use that a pending reset asks for at the next start: every
// companion and work file in Res goes, the recent files list is kept or emptied, and the
// editor state is left naming no file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "base/file_steps.h"
#include "model/folder_layout.h"
#include "platform/system.h"

namespace editor {

struct PurgeResult {
  // The first file that would not go; the purge stopped there instead of trying forever.
  std::optional<std::filesystem::path> stuck;
  bool Complete() const { return !stuck.has_value(); }
};

PurgeResult PurgeForFirstUse(ui::System& system, FileSteps& files, const FolderLayout& folders, bool keepRecentFiles);

// "!0" and the resize-tabs switch: the editor state of a reset, naming no file.
bool WriteResetEditorState(FileSteps& files, const FolderLayout& folders, bool resizeTabs);

}  // namespace editor
