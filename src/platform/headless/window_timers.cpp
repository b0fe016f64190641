// Timers run on the session's virtual clock; the Driver and the message loops tick them.
#include <algorithm>

#include "platform/headless/window.h"

namespace headless {

void Window::StartTimer(int timerId, int intervalMs) {
  if (!open_) return;
  const int interval = std::max(intervalMs, kMinimumTimerMs);
  timers_[timerId] = {interval, desktop_.nowMs, desktop_.nowMs + interval};
}

void Window::FireTimer(int timerId) {
  const auto it = timers_.find(timerId);
  if (it == timers_.end()) return;
  // Ticks that fell due while nobody looked merge into one, as WM_TIMER does.
  it->second.dueMs = std::max(it->second.dueMs + it->second.intervalMs, desktop_.nowMs + 1);
  Deliver({.kind = ui::MessageKind::kTimer, .commandCode = timerId});
}

}  // namespace headless
