// The "Create code" window: statements that show, hide, tick, enable, colour or message
// the chosen controls, written to the clipboard.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/control_index.h"
#include "model/control_list.h"

namespace editor {

struct Editor;

// How the window ended: closed, or asking for the groups window, or (from a group) for the
// control search's list instead.
enum class CodeWindowEnd { kClosed, kToGroups, kToSearchList };

// The controls listed as the control search lists them under `filter`, or a group's
// members when `group` names it; returns when the window has closed.
CodeWindowEnd RunCreateCode(Editor& editor, const std::vector<ControlEntry>& controls, const ControlFilter& filter,
                   const std::optional<std::string>& group = std::nullopt);

}  // namespace editor
