// Finding the editor's own top-level windows by caption, for tests that watch modal
// windows come and go on the real controls.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/win32/window.h"

namespace win32::testing {

inline std::string TextOf(HWND window) {
  char text[512] = {};
  ::GetWindowTextA(window, text, static_cast<int>(sizeof(text)));
  return text;
}

// A window of ours on this thread with this caption, or nullptr.
inline HWND FindOurWindow(std::string_view caption) {
  struct Search {
    std::string_view caption;
    HWND found = nullptr;
  } search{caption};
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        if (win32::Window::FromHandle(window) == nullptr || TextOf(window) != s->caption) return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace win32::testing
