#include "view/modal_dialog.h"

#include <utility>

namespace editor {

std::unique_ptr<ui::Window> CreateDialogWindow(ui::System& system, const DialogFrame& frame) {
  ui::WindowSpec desc;
  desc.caption = frame.caption;
  desc.rect = frame.rect;
  desc.background = frame.background;
  desc.iconId = frame.iconId;
  desc.visible = false;
  return system.CreateTopLevel(desc);
}

void RunModalDialog(ui::Window& window, ui::EventHandler handler, DialogFocus focus) {
  window.SetHandler(std::move(handler));
  window.Centre();
  window.Show(true);
  if (focus.control != 0) window.Focus(focus.control);
  if (focus.selectAll) window.SelectAllText(focus.control);
  window.RunModal();
}

}  // namespace editor
