// The window class and styles each kind of control is created with.
#pragma once

#include <windows.h>

#include "platform/window.h"

namespace win32 {

struct ControlStyle {
  const char* className = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
};

ControlStyle StyleFor(const ui::ControlSpec& desc);

// Combo boxes take the height of their open list at creation; a closed one shows
// only its edit field.
int CreationHeight(const ui::ControlSpec& desc);

}  // namespace win32
