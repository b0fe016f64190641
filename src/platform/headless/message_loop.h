// The loops a headless window runs in place of a real message loop: the user's
// scripted actions, then the window's own timers, then the safety net that closes a
// window nobody answered so that a test never hangs.
#pragma once

#include <cstdint>

#include "platform/headless/desktop.h"

namespace headless {

class Window;

// How much virtual time a modal window left alone may take to close itself (a notice
// that shuts after its display time does).
constexpr std::int64_t kUnattendedModalMs = 10'000;

void RunLoopUntilClosed(Window& window, bool modal);

// Delivers every timer tick of every window falling due up to the given time, in time
// order, moving the clock to each; the clock ends at that time.
void DeliverTimersDueBy(Desktop& desktop, std::int64_t untilMs);

// Runs timers until the window closes or the time is up; returns whether it closed.
bool LetTimersRunUntilClosed(Desktop& desktop, Window& window, std::int64_t untilMs);

}  // namespace headless
