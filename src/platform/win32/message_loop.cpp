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

}  // namespace win32
