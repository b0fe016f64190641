// The event record a window's handler receives, one per window message it cares about.
#pragma once

#include <functional>
#include <optional>

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
constexpr int kListViewColumnClick = -108;  // a column title: its 0-based column in the command code
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

// Custom draw: the stages a control draws in, and what the handler answers at each. The
// values are the Windows ones.
namespace custom_draw {
constexpr int kPrePaint = 0x00001;  // the control, before it draws anything
constexpr int kPostPaint = 0x00002;
constexpr int kItemPrePaint = 0x10001;  // one row
constexpr int kItemPostPaint = 0x10002;
constexpr int kSubItemPrePaint = 0x30001;  // one cell of a row
constexpr int kSubItemPostPaint = 0x30002;

constexpr int kDoDefault = 0x00;
constexpr int kNewFont = 0x02;  // the handler changed the row's font or colours
constexpr int kSkipDefault = 0x04;
constexpr int kNotifyPostPaint = 0x10;
constexpr int kNotifyItemDraw = 0x20;     // at kPrePaint: each row's stages follow
constexpr int kNotifySubItemDraw = 0x20;  // at kItemPrePaint: each cell's stages follow
}  // namespace custom_draw

// What a custom-draw notification is drawing. At a row's or a cell's stage of a list view
// the handler may set the colours it is drawn in; left empty, the control's own stand.
struct CustomDraw {
  int stage = custom_draw::kPrePaint;
  int row = -1;    // the row drawn; -1 at the control's own stages
  int column = 0;  // the cell's column at the cell stages
  std::optional<Colour> textColour = std::nullopt;
  std::optional<Colour> backgroundColour = std::nullopt;
};

struct Event {
  MessageKind kind = MessageKind::kCreated;
  int menuId = 0;          // menu picks
  int commandCode = 0;     // menu id, scroll code, timer id, or the virtual key of notify::kKeyDown
  int scrollPosition = 0;  // thumb position of scroll events; list-view row of list-view clicks
  ControlId controlId = 0;
  int notifyCode = 0;
  CustomDraw* customDraw = nullptr;  // notify::kCustomDraw: what is being drawn, for the handler to fill
};

// The handler's return value is the message result; it matters only for custom draw,
// where it is one or more of the custom_draw answers.
using EventHandler = std::function<int(Window&, const Event&)>;

}  // namespace ui
