// Windows menus built from the layer's menu descriptions.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/win32/unique_handle.h"
#include "platform/window.h"

namespace win32 {

// A menu and the item bitmaps it shows, which must live as long as the menu does.
struct BuiltMenu {
  UniqueMenu menu;
  std::vector<UniqueBitmap> bitmaps;
};

BuiltMenu BuildMenuBar(const std::vector<ui::MenuItem>& menus, HINSTANCE module);
BuiltMenu BuildPopupMenu(const std::vector<ui::MenuItem>& items, HINSTANCE module);

}  // namespace win32
