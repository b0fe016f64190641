// The bar that stands in for the "Search controls" button while a whole-file pass runs
// (a full index, a save): framed when it starts, a step wider per hundredth of the
// lines, then wiped away with the button shown again.
#pragma once

#include "platform/window.h"

namespace editor {

inline constexpr ui::Rect kProgressBarRect{435, 82, 200, 10};

class ProgressBar {
 public:
  ProgressBar(ui::Window& window, int lineCount, ui::Colour background);
  ~ProgressBar();
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

  // Line numbers count from 1.
  void AfterLine(int line);

 private:
  ui::Window& window_;
  ui::Colour background_;
  int step_;
  int drawn_ = 0;
};

}  // namespace editor
