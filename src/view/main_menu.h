// The main window's menu bar and its keyboard shortcuts.
#pragma once

#include <span>
#include <vector>

#include "platform/window.h"

namespace editor {

std::vector<ui::MenuItem> MainMenuBar();
std::vector<ui::Accelerator> MainAccelerators();

// The items that only make sense with a file open: greyed while none is.
std::span<const int> EditingMenuIds();

}  // namespace editor
