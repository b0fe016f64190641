// Controls made with reportsKeys tell their window of each key going down on them,
// which the plain controls do not.
#pragma once

#include <windows.h>

#include "platform/types.h"

namespace win32 {

class Window;

// Subclasses the control until it is destroyed; the owner must outlive the control.
void ReportKeys(HWND control, Window& owner, ui::ControlId id);

}  // namespace win32
