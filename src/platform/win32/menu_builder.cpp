#include "platform/win32/menu_builder.h"

#include "platform/win32/button_bitmap.h"

namespace win32 {

namespace {

void AppendItems(HMENU menu, const std::vector<ui::MenuItem>& items, HINSTANCE module,
                 std::vector<UniqueBitmap>& bitmaps);

void AppendItem(HMENU menu, const ui::MenuItem& item, HINSTANCE module, std::vector<UniqueBitmap>& bitmaps) {
  if (item.IsSeparator()) {
    ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    return;
  }
  const UINT greyed = item.greyed ? MF_GRAYED : MF_ENABLED;
  if (!item.children.empty()) {
    UniqueMenu sub(::CreatePopupMenu());
    AppendItems(sub.Get(), item.children, module, bitmaps);
    // The parent menu owns its sub-menus and destroys them with itself.
    if (::AppendMenuA(menu, MF_POPUP | MF_STRING | greyed, reinterpret_cast<UINT_PTR>(sub.Get()),
                      item.text.c_str()))
      sub.Release();
    return;
  }
  ::AppendMenuA(menu, MF_STRING | greyed, static_cast<UINT_PTR>(item.id), item.text.c_str());
  if (item.bitmapId != 0) {
    UniqueBitmap bitmap = LoadKeyedBitmap(module, item.bitmapId, ::GetSysColor(COLOR_MENU));
    if (bitmap) {
      ::SetMenuItemBitmaps(menu, static_cast<UINT>(item.id), MF_BYCOMMAND, bitmap.Get(), bitmap.Get());
      bitmaps.push_back(std::move(bitmap));
    }
  }
}

void AppendItems(HMENU menu, const std::vector<ui::MenuItem>& items, HINSTANCE module,
                 std::vector<UniqueBitmap>& bitmaps) {
  for (const ui::MenuItem& item : items) AppendItem(menu, item, module, bitmaps);
}

}  // namespace

BuiltMenu BuildMenuBar(const std::vector<ui::MenuItem>& menus, HINSTANCE module) {
  BuiltMenu built;
  built.menu.Reset(::CreateMenu());
  if (built.menu) AppendItems(built.menu.Get(), menus, module, built.bitmaps);
  return built;
}

BuiltMenu BuildPopupMenu(const std::vector<ui::MenuItem>& items, HINSTANCE module) {
  BuiltMenu built;
  built.menu.Reset(::CreatePopupMenu());
  if (built.menu) AppendItems(built.menu.Get(), items, module, built.bitmaps);
  return built;
}

}  // namespace win32
