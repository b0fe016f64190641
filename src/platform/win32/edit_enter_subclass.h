// Single-line edits tell their window when Enter is pressed in them, which the plain
// control does not.
#pragma once

#include <windows.h>

#include "platform/types.h"

namespace win32 {

class Window;

// Subclasses the edit until it is destroyed; the owner must outlive the edit.
void WatchForEnter(HWND edit, Window& owner, ui::ControlId id);

}  // namespace win32
