// The main window's one event handler: every event of the window passes through here.
#pragma once

#include "state/editor.h"

namespace editor {

int MainWindowHandler(Editor& editor, ui::Window& window, const ui::Event& event);

}  // namespace editor
