// Lists and drop-downs drawn once when they are full rather than once per row: with
// thousands of rows the per-row drawing costs seconds in the real controls.
#pragma once

#include <initializer_list>
#include <vector>

#include "platform/window.h"

namespace editor {

class ControlsRedrawOff {
 public:
  ControlsRedrawOff(ui::Window& window, std::initializer_list<ui::ControlId> controls)
      : window_(window), controls_(controls) {
    for (ui::ControlId id : controls_) window_.SetControlRedraw(id, false);
  }
  ~ControlsRedrawOff() {
    for (ui::ControlId id : controls_) window_.SetControlRedraw(id, true);
  }
  ControlsRedrawOff(const ControlsRedrawOff&) = delete;
  ControlsRedrawOff& operator=(const ControlsRedrawOff&) = delete;

 private:
  ui::Window& window_;
  std::vector<ui::ControlId> controls_;
};

}  // namespace editor
