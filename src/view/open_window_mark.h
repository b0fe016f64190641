// Names a window in the editor's state for as long as it is open, so that the commands that
// close it, or show it again, can find it; a window opened over it takes the name over.
#pragma once

#include "platform/window.h"

namespace editor {

class OpenWindowMark {
 public:
  OpenWindowMark(ui::Window*& slot, ui::Window& window) : slot_(slot), window_(&window) { slot_ = window_; }
  ~OpenWindowMark() {
    if (slot_ == window_) slot_ = nullptr;
  }
  OpenWindowMark(const OpenWindowMark&) = delete;
  OpenWindowMark& operator=(const OpenWindowMark&) = delete;

 private:
  ui::Window*& slot_;
  ui::Window* window_;
};

}  // namespace editor
