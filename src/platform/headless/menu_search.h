// Finding a menu item by id anywhere in a menu tree, sub-menus included.
#pragma once

#include <vector>

#include "platform/window.h"

namespace headless {

inline const ui::MenuItem* FindMenuItemIn(const std::vector<ui::MenuItem>& items, int id) {
  for (const ui::MenuItem& item : items) {
    if (item.id == id && !item.IsSeparator()) return &item;
    if (const ui::MenuItem* found = FindMenuItemIn(item.children, id)) return found;
  }
  return nullptr;
}

inline ui::MenuItem* FindMenuItemIn(std::vector<ui::MenuItem>& items, int id) {
  const auto& constItems = items;
  return const_cast<ui::MenuItem*>(FindMenuItemIn(constItems, id));
}

}  // namespace headless
