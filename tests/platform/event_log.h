// Questions tests ask of the events a window delivered.
#pragma once

#include <vector>

#include "platform/event.h"

namespace contract {

// The notify codes one control sent, in order.
inline std::vector<int> NotifyCodesOf(const std::vector<ui::Event>& events, ui::ControlId id) {
  std::vector<int> codes;
  for (const ui::Event& e : events)
    if (e.kind == ui::MessageKind::kControlNotify && e.controlId == id) codes.push_back(e.notifyCode);
  return codes;
}

inline std::vector<ui::Event> EventsOfKind(const std::vector<ui::Event>& events, ui::MessageKind kind) {
  std::vector<ui::Event> found;
  for (const ui::Event& e : events)
    if (e.kind == kind) found.push_back(e);
  return found;
}

}  // namespace contract
