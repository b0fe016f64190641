#include "view/progress_bar.h"

#include <algorithm>

#include "base/control_ids.h"

namespace editor {

namespace {

constexpr int kSteps = 100;
constexpr int kStepWidth = 2;
constexpr ui::Colour kBarColour = ui::Rgb(0, 120, 215);

}  // namespace

ProgressBar::ProgressBar(ui::Window& window, int lineCount, ui::Colour background)
    : window_(window), background_(background), step_(std::max(1, lineCount / kSteps)) {
  window_.FrameRect(kProgressBarRect, ui::Rgb(0, 0, 0));
  window_.ShowControl(kSearchControlsButton, false);
}

ProgressBar::~ProgressBar() {
  window_.FillRect(kProgressBarRect, kBarColour);
  // The button it stood in for is narrower than the bar: no stripes may stay behind.
  window_.FillRect(kProgressBarRect, background_);
  window_.ShowControl(kSearchControlsButton, true);
}

void ProgressBar::AfterLine(int line) {
  if (line % step_ != 0 || drawn_ >= kSteps) return;
  const ui::Rect& bar = kProgressBarRect;
  window_.FillRect({bar.x + drawn_ * kStepWidth, bar.y, kStepWidth, bar.height}, kBarColour);
  ++drawn_;
}

}  // namespace editor
