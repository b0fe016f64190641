#include "platform/win32/message_loop.h"

#include "platform/win32/window.h"

namespace win32 {

void DispatchWithAccelerators(MSG& message) {
  if (message.hwnd != nullptr) {
    HWND root = ::GetAncestor(message.hwnd, GA_ROOT);
    Window* window = Window::FromHandle(root);
    if (window != nullptr && window->Accelerators() != nullptr &&
        ::TranslateAcceleratorA(root, window->Accelerators(), &message) != 0)
      return;
  }
  ::TranslateMessage(&message);
  ::DispatchMessageA(&message);
}

void RunUntilClosed(const ui::Window& window) {
  MSG message{};
  while (window.IsOpen()) {
    const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
    if (got == -1) return;
    if (got == 0) {
      ::PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    DispatchWithAccelerators(message);
  }
}

void PumpWaitingMessages() {
  MSG message{};
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    DispatchWithAccelerators(message);
  }
}

namespace {

void PaintWaiting(HWND window) {
  MSG message{};
  while (::PeekMessageA(&message, window, WM_PAINT, WM_PAINT, PM_REMOVE)) ::DispatchMessageA(&message);
  // The queue hands out no paint of ours while another window waits for one before it;
  // this paints the window and its controls whatever the order.
  ::UpdateWindow(window);
}

}  // namespace

void WaitPaintingOnly(HWND window, int milliseconds) {
  const ULONGLONG deadline = ::GetTickCount64() + static_cast<ULONGLONG>(milliseconds > 0 ? milliseconds : 0);
  for (ULONGLONG now = ::GetTickCount64();; now = ::GetTickCount64()) {
    PaintWaiting(window);
    if (now >= deadline) return;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_PAINT);
  }
}

}  // namespace win32
