// The event record a window's handler receives, one per window message it cares about.
#pragma once

#include <functional>

#include "platform/types.h"

namespace ui {

class Window;

enum class MessageKind : int {
  kCreated = 1,
  kCloseRequested = 32770,
  kMenuPick = 32771,
  kControlNotify = 32772,
  kTimer = 275,
  kVerticalScroll = 277,
};

// Notify codes of control notifications.
namespace notify {
constexpr int kClick = 0;
constexpr int kSelectionChanged = 1;
constexpr int kTextChanged = 768;
constexpr int kFocused = 256;  // edits made with reportsFocus: the edit received the focus
constexpr int kEnter = 2560;
constexpr int kListViewClick = -2;
constexpr int kListViewDoubleClick = -3;
constexpr int kCustomDraw = -12;
constexpr int kKeyDown = -15;  // controls made with reportsKeys only
}  // namespace notify

// Scroll codes carried in the command code of a vertical scroll event.
namespace scroll {
constexpr int kLineUp = 0;
constexpr int kLineDown = 1;
constexpr int kPageUp = 2;
constexpr int kPageDown = 3;
constexpr int kThumbPosition = 4;
constexpr int kThumbTrack = 5;
constexpr int kEndScroll = 8;
}  // namespace scroll

struct Event {
  MessageKind kind = MessageKind::kCreated;
  int menuId = 0;          // menu picks
  int commandCode = 0;     // menu id, scroll code, timer id, or the virtual key of notify::kKeyDown
  int scrollPosition = 0;  // thumb position of scroll events; list-view row of list-view clicks
  ControlId controlId = 0;
  int notifyCode = 0;
};

// The handler's return value is the message result; it matters only for custom draw.
using EventHandler = std::function<int(Window&, const Event&)>;

}  // namespace ui
