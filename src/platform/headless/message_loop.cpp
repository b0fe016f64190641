#include "platform/headless/message_loop.h"

#include <algorithm>
#include <optional>

#include "platform/headless/window.h"

namespace headless {
namespace {

struct DueTimer {
  Window* window = nullptr;
  int timerId = 0;
  std::int64_t dueMs = 0;
};

std::optional<DueTimer> EarliestTimer(const Desktop& desktop, std::int64_t untilMs) {
  std::optional<DueTimer> earliest;
  for (Window* window : desktop.windows) {
    if (!window->IsOpen()) continue;
    for (const auto& [id, timer] : window->Timers())
      if (timer.dueMs <= untilMs && (!earliest || timer.dueMs < earliest->dueMs)) earliest = DueTimer{window, id, timer.dueMs};
  }
  return earliest;
}

// One tick; false when none is due by then.
bool DeliverNextTick(Desktop& desktop, std::int64_t untilMs) {
  const std::optional<DueTimer> next = EarliestTimer(desktop, untilMs);
  if (!next) return false;
  desktop.nowMs = std::max(desktop.nowMs, next->dueMs);
  next->window->FireTimer(next->timerId);
  return true;
}

bool HasTimers(const Window& window) { return !window.Timers().empty(); }

}  // namespace

void DeliverTimersDueBy(Desktop& desktop, std::int64_t untilMs) {
  while (DeliverNextTick(desktop, untilMs)) {
  }
  desktop.nowMs = std::max(desktop.nowMs, untilMs);
}

bool LetTimersRunUntilClosed(Desktop& desktop, Window& window, std::int64_t untilMs) {
  while (window.IsOpen() && HasTimers(window) && DeliverNextTick(desktop, untilMs)) {
  }
  return !window.IsOpen();
}

void RunLoopUntilClosed(Window& window, bool modal) {
  if (!window.IsOpen()) return;
  Desktop& desktop = window.GetDesktop();
  desktop.script.RecordLoop(window.Caption());
  if (auto action = desktop.script.TakeActionFor(window.Caption(), modal)) (*action)(window);
  if (modal && window.IsOpen()) LetTimersRunUntilClosed(desktop, window, desktop.nowMs + kUnattendedModalMs);
  if (!window.IsOpen()) return;
  const std::string caption = window.Caption();
  window.RequestClose();
  if (!window.IsOpen()) return;
  desktop.script.RecordUnansweredWindow(caption);
  window.Close();
}

}  // namespace headless
