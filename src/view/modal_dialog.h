// How the editor's own dialogs open: made hidden with their caption, place, colour and
// icon, filled by their owner, then centred, shown, given their first focus and run until
// they close.
#pragma once

#include <memory>
#include <string>

#include "platform/system.h"
#include "platform/window.h"

namespace editor {

struct DialogFrame {
  std::string caption;
  ui::Rect rect;
  ui::Colour background = 0;
  int iconId = 0;
};

// Hidden until RunModalDialog shows it, so that its controls appear all at once.
std::unique_ptr<ui::Window> CreateDialogWindow(ui::System& system, const DialogFrame& frame);

struct DialogFocus {
  ui::ControlId control = 0;  // 0: the window's own choice
  bool selectAll = false;     // an edit box's text selected, so that typing replaces it
};

// Returns when the dialog has closed.
void RunModalDialog(ui::Window& window, ui::EventHandler handler, DialogFocus focus = {});

}  // namespace editor
