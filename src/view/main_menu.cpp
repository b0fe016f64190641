#include "view/main_menu.h"

#include <array>

#include "base/bitmap_ids.h"
#include "base/menu_ids.h"

namespace editor {

namespace {

ui::MenuItem Item(int id, const char* text, int bitmapId, bool greyed = false) {
  ui::MenuItem item;
  item.id = id;
  item.text = text;
  item.bitmapId = bitmapId;
  item.greyed = greyed;
  return item;
}

ui::MenuItem Menu(const char* text, std::vector<ui::MenuItem> items) {
  ui::MenuItem menu;
  menu.text = text;
  menu.children = std::move(items);
  return menu;
}

ui::Accelerator Ctrl(char letter, int commandId) {
  ui::Accelerator accelerator;
  accelerator.key = letter;
  accelerator.ctrl = true;
  accelerator.commandId = commandId;
  return accelerator;
}

constexpr std::array kEditingMenuIds{kMenuCut,      kMenuCopy,       kMenuPaste,      kMenuFind,       kMenuSelectAll,
                                     kMenuCloseFile, kMenuSaveFile, kMenuSaveFileAs, kMenuBackupFile, kMenuReindexFile};

}  // namespace

std::vector<ui::MenuItem> MainMenuBar() {
  const ui::MenuItem separator = ui::MenuItem::Separator();
  // Cut, Copy and Paste stay grey until the editor holds a selection of its own.
  return {
      Menu("&File", {Item(kMenuNewFile, "New file", kBitmapMenuNewFile), separator,
                     Item(kMenuOpenFile, "Open file", kBitmapMenuOpenFile), separator,
                     Item(kMenuCloseFile, "Close file", kBitmapMenuCloseFile), separator,
                     Item(kMenuSaveFile, "Save file\tCtrl + S", kBitmapMenuSaveFile),
                     Item(kMenuSaveFileAs, "Save file as", kBitmapMenuSaveFileAs), separator,
                     Item(kMenuBackupFile, "Backup file", kBitmapMenuBackupFile),
                     Item(kMenuReindexFile, "Reindex file", kBitmapMenuReindexFile),
                     Item(kMenuEditorSettings, "Editor Settings", kBitmapMenuEditorSettings), separator,
                     Item(kMenuRecentFiles, "Recent files...", kBitmapMenuRecentFiles), separator,
                     Item(kMenuClearClipboard, "Clear the clipboard", kBitmapMenuClearClipboard), separator,
                     Item(kMenuResetFirstUse, "Reset to first time use", kBitmapMenuResetFirstUse), separator,
                     Item(kMenuExit, "Exit", kBitmapMenuExit)}),
      Menu("&Edit", {Item(kMenuCut, "Cut\tCtrl + X", kBitmapMenuCut, true),
                     Item(kMenuCopy, "Copy\tCtrl + C", kBitmapMenuCopy, true),
                     Item(kMenuPaste, "Paste\tCtrl + V", kBitmapMenuPaste, true),
                     Item(kMenuSelectAll, "Select All\tCtrl + A", kBitmapMenuSelectAll),
                     Item(kMenuFind, "Find\tCtrl + F", kBitmapMenuFind)}),
      Menu("&Help", {Item(kMenuUserGuide, "User guide", kBitmapMenuUserGuide)}),
  };
}

std::vector<ui::Accelerator> MainAccelerators() {
  return {Ctrl('X', kMenuCut), Ctrl('C', kMenuCopy), Ctrl('V', kMenuPaste), Ctrl('A', kMenuSelectAll),
          Ctrl('F', kMenuFind), Ctrl('S', kMenuSaveFile)};
}

std::span<const int> EditingMenuIds() { return kEditingMenuIds; }

}  // namespace editor
