// The top-level window itself: creation, caption, placement, menus, timers, painting
// and the modal loop. Controls and message handling live in their own files.
#include "platform/win32/window.h"
#include "platform/win32/window_text.h"

#include "platform/win32/accelerator_table.h"
#include "platform/win32/message_loop.h"

namespace win32 {

namespace {

constexpr DWORD kTopLevelStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

ui::Rect RectOf(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

RECT WinRect(ui::Rect r) { return {r.x, r.y, r.x + r.width, r.y + r.height}; }

}  // namespace

Window::Window(const WindowClass& windowClass, const ui::WindowSpec& desc)
    : module_(windowClass.module),
      backgroundColour_(desc.background),
      background_(::CreateSolidBrush(desc.background)) {
  hwnd_ = ::CreateWindowExA(0, windowClass.name, desc.caption.c_str(), kTopLevelStyle, desc.rect.x, desc.rect.y,
                            desc.rect.width, desc.rect.height, nullptr, nullptr, module_, this);
  if (hwnd_ == nullptr) return;
  if (!desc.closeBox) ::EnableMenuItem(::GetSystemMenu(hwnd_, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
  if (desc.iconId != 0) SetIcon(desc.iconId);
  if (desc.visible) ::ShowWindow(hwnd_, SW_SHOW);
}

Window::~Window() {
  if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
}

Window* Window::FromHandle(HWND window) {
  if (window == nullptr) return nullptr;
  if (::GetWindowLongPtrA(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&Window::Procedure)) return nullptr;
  return reinterpret_cast<Window*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
}

int Window::Deliver(const ui::Event& event) {
  if (!handler_) return 0;
  // A copy, so that a handler that replaces itself finishes running.
  ui::EventHandler handler = handler_;
  try {
    return handler(*this, event);
  } catch (...) {
    // No exception may unwind through the window procedure into Windows.
    return 0;
  }
}

void Window::SetHandler(ui::EventHandler handler) {
  handler_ = std::move(handler);
  ui::Event created;
  created.kind = ui::MessageKind::kCreated;
  Deliver(created);
}

void Window::SetCaption(std::string_view caption) {
  // Repainting the title bar costs a millisecond or two under Wine; a switch sets it thrice.
  if (hwnd_ != nullptr && Caption() != caption) ::SetWindowTextA(hwnd_, std::string(caption).c_str());
}

std::string Window::Caption() const { return hwnd_ != nullptr ? TextOf(hwnd_) : std::string(); }

void Window::SetRect(ui::Rect rect) {
  if (hwnd_ != nullptr) ::MoveWindow(hwnd_, rect.x, rect.y, rect.width, rect.height, TRUE);
}

ui::Rect Window::GetRect() const {
  RECT r{};
  if (hwnd_ != nullptr) ::GetWindowRect(hwnd_, &r);
  return RectOf(r);
}

void Window::Centre() {
  if (hwnd_ == nullptr) return;
  RECT work{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const ui::Rect r = GetRect();
  const int x = work.left + (work.right - work.left - r.width) / 2;
  const int y = work.top + (work.bottom - work.top - r.height) / 2;
  ::SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::SetBackground(ui::Colour colour) {
  backgroundColour_ = colour;
  background_.Reset(::CreateSolidBrush(colour));
  if (hwnd_ != nullptr) ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void Window::SetIcon(int iconId) {
  if (hwnd_ == nullptr) return;
  // Icons from LoadIcon are shared by the system and are never destroyed.
  HICON icon = ::LoadIconA(module_, MAKEINTRESOURCEA(iconId));
  if (icon == nullptr) return;
  ::SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  ::SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void Window::Show(bool visible) {
  if (hwnd_ == nullptr) return;
  ::ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
  // Painted at once, controls and all: a window shown just before the thread blocks
  // (a notice waiting out its time) would otherwise stay blank until messages run.
  if (visible) ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

bool Window::IsVisible() const { return hwnd_ != nullptr && ::IsWindowVisible(hwnd_); }

void Window::Minimise() {
  if (hwnd_ != nullptr) ::ShowWindow(hwnd_, SW_MINIMIZE);
}

void Window::Restore() {
  if (hwnd_ != nullptr) ::ShowWindow(hwnd_, SW_RESTORE);
}

bool Window::IsMinimised() const { return hwnd_ != nullptr && ::IsIconic(hwnd_); }

void Window::FocusWindow() {
  if (hwnd_ == nullptr) return;
  ::SetForegroundWindow(hwnd_);
  ::SetFocus(hwnd_);
}

void Window::SetMenuBar(const std::vector<ui::MenuItem>& menus) {
  if (hwnd_ == nullptr) return;
  BuiltMenu built = BuildMenuBar(menus, module_);
  ::SetMenu(hwnd_, built.menu.Get());
  menuBar_ = std::move(built);
  ::DrawMenuBar(hwnd_);
}

void Window::EnableMenuItem(int id, bool enabled) {
  // Each redraw of the menu bar costs milliseconds under Wine: only a change earns one.
  if (!menuBar_.menu || IsMenuItemEnabled(id) == enabled) return;
  ::EnableMenuItem(menuBar_.menu.Get(), static_cast<UINT>(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
  if (hwnd_ != nullptr) ::DrawMenuBar(hwnd_);
}

bool Window::IsMenuItemEnabled(int id) const {
  if (!menuBar_.menu) return false;
  const UINT state = ::GetMenuState(menuBar_.menu.Get(), static_cast<UINT>(id), MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

void Window::SetAccelerators(const std::vector<ui::Accelerator>& accelerators) {
  accelerators_ = BuildAcceleratorTable(accelerators);
}

void Window::ShowContextMenu(const std::vector<ui::MenuItem>& items, ui::Point screen) {
  if (hwnd_ == nullptr) return;
  BuiltMenu popup = BuildPopupMenu(items, module_);
  if (!popup.menu) return;
  // The pick comes back as the return value, so it arrives as one event like a menu pick.
  const BOOL picked = ::TrackPopupMenu(popup.menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN,
                                       screen.x, screen.y, 0, hwnd_, nullptr);
  if (picked == 0) return;
  ui::Event event;
  event.kind = ui::MessageKind::kMenuPick;
  event.menuId = picked;
  event.commandCode = picked;
  Deliver(event);
}

void Window::StartTimer(int timerId, int intervalMs) {
  if (hwnd_ != nullptr) ::SetTimer(hwnd_, static_cast<UINT_PTR>(timerId), static_cast<UINT>(intervalMs), nullptr);
}

void Window::StopTimer(int timerId) {
  if (hwnd_ != nullptr) ::KillTimer(hwnd_, static_cast<UINT_PTR>(timerId));
}

void Window::FillRect(ui::Rect rect, ui::Colour colour) {
  if (hwnd_ == nullptr) return;
  WindowDc dc(hwnd_);
  UniqueBrush brush(::CreateSolidBrush(colour));
  const RECT r = WinRect(rect);
  ::FillRect(dc.Get(), &r, brush.Get());
}

void Window::FrameRect(ui::Rect rect, ui::Colour colour) {
  if (hwnd_ == nullptr) return;
  WindowDc dc(hwnd_);
  UniqueBrush brush(::CreateSolidBrush(colour));
  const RECT r = WinRect(rect);
  ::FrameRect(dc.Get(), &r, brush.Get());
}

void Window::RunModal() { RunUntilClosed(*this); }

void Window::Close() {
  if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
}

}  // namespace win32
