// The shared state of one headless session: the virtual clock, the keyboard, the
// clipboard, the open windows and the user's script. The System owns it; its windows,
// their rich edits and the Driver refer to it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless/user_script.h"
#include "platform/types.h"

namespace headless {

class Window;

// The screen size that Centre() and the cursor position assume.
constexpr ui::Rect kScreen{0, 0, 1920, 1080};

struct KeyboardState {
  bool ctrl = false;
  bool shift = false;
};

struct Desktop {
  std::int64_t nowMs = 0;
  ui::DateTime localTime{2020, 12, 31, 14, 5};  // the wall clock, which only a test moves
  KeyboardState keyboard;
  std::optional<std::string> clipboard;
  ui::Point cursor{};
  std::vector<Window*> windows;  // every live window, in creation order
  UserScript script;
};

}  // namespace headless
