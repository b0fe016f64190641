// The window itself: its life, its handler and the events it delivers.
#include "platform/headless/window.h"

#include <algorithm>

#include "platform/headless/message_loop.h"

namespace headless {

Window::Window(Desktop& desktop, const ui::WindowSpec& desc)
    : desktop_(desktop),
      caption_(desc.caption),
      rect_(desc.rect),
      background_(desc.background),
      iconId_(desc.iconId),
      openedMs_(desktop.nowMs),
      visible_(desc.visible) {
  desktop_.windows.push_back(this);
}

Window::~Window() {
  Close();
  auto& windows = desktop_.windows;
  windows.erase(std::remove(windows.begin(), windows.end(), this), windows.end());
}

void Window::SetHandler(ui::EventHandler handler) {
  handler_ = std::move(handler);
  if (handler_) Deliver({.kind = ui::MessageKind::kCreated});
}

int Window::Deliver(const ui::Event& event) {
  if (!open_ || !handler_) return 0;
  const ui::EventHandler handler = handler_;  // the handler may replace itself or close the window
  return handler(*this, event);
}

void Window::Notify(ui::ControlId id, int notifyCode, int row) {
  Deliver({.kind = ui::MessageKind::kControlNotify, .scrollPosition = row, .controlId = id, .notifyCode = notifyCode});
}

void Window::DeliverMenuPick(int id) {
  Deliver({.kind = ui::MessageKind::kMenuPick, .menuId = id, .commandCode = id});
}

void Window::RequestClose() {
  if (handler_) {
    Deliver({.kind = ui::MessageKind::kCloseRequested});
  } else {
    Close();
  }
}

void Window::Centre() {
  rect_.x = kScreen.x + (kScreen.width - rect_.width) / 2;
  rect_.y = kScreen.y + (kScreen.height - rect_.height) / 2;
}

void Window::FillRect(ui::Rect rect, ui::Colour colour) {
  if (open_) draws_.push_back({Draw::Kind::kFill, rect, colour});
}

void Window::FrameRect(ui::Rect rect, ui::Colour colour) {
  if (open_) draws_.push_back({Draw::Kind::kFrame, rect, colour});
}

void Window::RunModal() { RunLoopUntilClosed(*this, true); }

void Window::Close() {
  if (!open_) return;
  ClosedWindow record{caption_, rect_, background_, iconId_, openedMs_, desktop_.nowMs, {}};
  for (const auto& [id, control] : controls_)
    record.controls.emplace(id, ClosedControl{control.desc.kind, control.rect, GetText(id), control.font,
                                              control.colours, control.visible});
  desktop_.script.RecordClosedWindow(std::move(record));
  open_ = false;
  timers_.clear();
  contextMenu_.reset();
  focused_ = 0;
  for (auto& [id, control] : controls_) closedControls_.insert_or_assign(id, std::move(control));
  controls_.clear();
}

}  // namespace headless
