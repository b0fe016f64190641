// The editor's start, in its fixed order: preferences, the line height, key word tables,
// the main window, the no-file layout, the position timer and the remembered tab.
#pragma once

#include "state/editor.h"

namespace editor {

struct StartOptions {
  // Shows the file-open layout with no file, so that it can be looked at.
  bool showEditingLayout = false;
};

// Runs every start-up step before the message loop. False when the program must end
// without one (the main window could not be made).
bool StartEditor(Editor& editor, const StartOptions& options = {});

// The "keep my recent files" switch on the last line of a pending reset marker, or
// nullopt when no reset is pending.
std::optional<bool> ReadResetMarker(const FolderLayout& folders);

}  // namespace editor
