// The menu bar's enable state and the context menu a pick comes from.
#include "platform/headless/menu_search.h"
#include "platform/headless/window.h"

namespace headless {

const ui::MenuItem* Window::FindMenuItem(int id) const { return FindMenuItemIn(menuBar_, id); }

void Window::EnableMenuItem(int id, bool enabled) {
  if (ui::MenuItem* item = FindMenuItemIn(menuBar_, id)) item->greyed = !enabled;
}

bool Window::IsMenuItemEnabled(int id) const {
  const ui::MenuItem* item = FindMenuItem(id);
  return item != nullptr && !item->greyed;
}

void Window::ShowContextMenu(const std::vector<ui::MenuItem>& items, ui::Point screen) {
  if (open_) contextMenu_ = ShownContextMenu{items, screen};
}

}  // namespace headless
