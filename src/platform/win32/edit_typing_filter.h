// Single-line edits that take only some typed characters: the plain control takes any.
#pragma once

#include <windows.h>

#include "platform/window.h"

namespace win32 {

// Subclasses the edit until it is destroyed: a typed character that `accepts` leaves out
// never reaches the control. Text set by the program is not filtered.
void FilterTypedCharacters(HWND edit, ui::EditAccepts accepts);

}  // namespace win32
