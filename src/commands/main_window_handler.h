// The main window's one event handler: every event of the window passes through here and
// goes to the feature that owns its control or menu item. A custom-draw notification goes
// to the list's custom-draw row, whose answer is the handler's result.
#pragma once

#include <span>

#include "state/command_table.h"
#include "state/editor.h"

namespace editor {

int MainWindowHandler(Editor& editor, ui::Window& window, const ui::Event& event);

// Every feature's rows, in the order the handler looks an event up.
std::span<const CommandRows> MainWindowCommandRows();

// Controls that show something but run nothing when used: the events they raise are
// theirs alone and need no row.
std::span<const ui::ControlId> DisplayOnlyControls();

}  // namespace editor
