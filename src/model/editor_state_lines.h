// Reading Res/vorevav4.ini: the open files' paths in tab order, "!" and the active tab, and
// "#" and the resize-tabs switch.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace editor {

struct EditorStateLines {
  std::vector<std::string> paths;  // in tab order, as written
  std::optional<int> activeTab;    // the "!" line's number; nullopt without one
  std::optional<bool> resizeTabs;  // the "#" line; nullopt without one
};

// Lines are read at most 512 bytes long and trimmed; empty lines are skipped.
EditorStateLines ReadEditorStateLines(std::string_view text);

}  // namespace editor
