// "Setup Error": the first-time setup could not make the folders and files the editor
// needs; the window says what to do and the program ends when it is closed.
#pragma once

#include "platform/system.h"

namespace editor {

namespace setup_error {
constexpr int kCloseButton = 5;
}  // namespace setup_error

// Returns when "Close" is pressed or the window is closed.
void RunSetupErrorWindow(ui::System& system);

}  // namespace editor
