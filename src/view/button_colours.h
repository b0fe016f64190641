// The colours that pick out, among a row of buttons, the one whose content is on screen:
// the active tab, the main code or the code block shown.
#pragma once

#include "state/editor.h"

namespace editor {

void PaintRowButton(const Editor& editor, ui::Window& window, ui::ControlId id, bool active);

}  // namespace editor
