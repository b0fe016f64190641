#include "view/button_colours.h"

namespace editor {

void PaintRowButton(const Editor& editor, ui::Window& window, ui::ControlId id, bool active) {
  if (active)
    window.SetColours(id, editor.prefs.windowText, editor.prefs.fileBackground);
  else
    window.SetColours(id, editor.prefs.lineDefault, editor.prefs.windowBackground);
}

}  // namespace editor
