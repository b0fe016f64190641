// The thread's message loops: the main one, modal ones and the pump of long operations.
#pragma once

#include <windows.h>

#include "platform/window.h"

namespace win32 {

// Gives the message to the accelerators of the top-level window it is for, and
// translates and dispatches it when they do not take it.
void DispatchWithAccelerators(MSG& message);

// Runs messages until the window has closed (or the thread is told to quit, in which
// case the quit message is put back for the outer loop).
void RunUntilClosed(const ui::Window& window);

// Runs the messages that are waiting and returns.
void PumpWaitingMessages();

// Blocks the thread for this long except for the paints of this window and its controls,
// so that a window shown just before (a notice) is drawn whenever the screen exposes it.
// Every other message stays queued for the loop that runs after.
void WaitPaintingOnly(HWND window, int milliseconds);

}  // namespace win32
