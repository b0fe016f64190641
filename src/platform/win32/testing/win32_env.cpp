// The contract tests' user, acting on the real controls through the messages a user's
// mouse and keyboard would produce.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <optional>

#include "platform/contract_env.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/system.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/window.h"

namespace contract {
namespace {

constexpr UINT_PTR kModalTimer = 1;

win32::Window& Real(ui::Window& window) { return dynamic_cast<win32::Window&>(window); }

LPARAM KeyData(int virtualKey, bool release) {
  const UINT scan = ::MapVirtualKeyA(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC);
  LPARAM data = 1 | static_cast<LPARAM>(scan << 16);
  if (release) data |= static_cast<LPARAM>(0xC0000000u);
  return data;
}

// The character a key produces on its own, or 0.
int CharacterOfKey(int virtualKey) {
  switch (virtualKey) {
    case VK_RETURN: return '\r';
    case VK_BACK: return '\b';
    case VK_TAB: return '\t';
    case VK_ESCAPE: return 0x1B;
    case VK_SPACE: return ' ';
    default: return 0;
  }
}

LPARAM PointData(int x, int y) { return MAKELPARAM(x, y); }

// A modifier key held down in the thread's key state for as long as this lives: the
// controls and the accelerator table read it there, and a message does not set it.
class KeyStateHeld {
 public:
  explicit KeyStateHeld(int virtualKey) {
    ::GetKeyboardState(saved_);
    BYTE pressed[256];
    std::copy(std::begin(saved_), std::end(saved_), std::begin(pressed));
    pressed[virtualKey] = 0x80;
    if (virtualKey == VK_CONTROL) pressed[VK_LCONTROL] = 0x80;
    ::SetKeyboardState(pressed);
  }
  ~KeyStateHeld() { ::SetKeyboardState(saved_); }
  KeyStateHeld(const KeyStateHeld&) = delete;
  KeyStateHeld& operator=(const KeyStateHeld&) = delete;

 private:
  BYTE saved_[256]{};
};

class Win32Env final : public Env {
 public:
  Win32Env()
      : modalHook_(::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     ::GetModuleHandleA(nullptr), nullptr)) {
    ::SetWindowSubclass(modalHook_.Get(), &ModalHookProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
  }

  ~Win32Env() override {
    ::KillTimer(modalHook_.Get(), kModalTimer);
    ::RemoveWindowSubclass(modalHook_.Get(), &ModalHookProcedure, 0);
  }

  ui::System& System() override { return system_; }

  void Click(ui::Window& window, ui::ControlId id) override {
    win32::Window& real = Real(window);
    HWND control = real.ControlHandle(id);
    if (control == nullptr) return;
    if (IsButton(real.KindOf(id))) {
      ::SendMessageA(control, BM_CLICK, 0, 0);
    } else {
      RECT client{};
      ::GetClientRect(control, &client);
      const LPARAM centre = PointData(client.right / 2, client.bottom / 2);
      ::SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, centre);
      ::SendMessageA(control, WM_LBUTTONUP, 0, centre);
    }
    Pump();
  }

  void TypeText(ui::Window& window, ui::ControlId id, std::string_view text) override {
    HWND control = Real(window).ControlHandle(id);
    if (control == nullptr) return;
    for (char c : text) {
      const int virtualKey = LOBYTE(::VkKeyScanA(c));
      ::SendMessageA(control, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), KeyData(virtualKey, false));
      ::SendMessageA(control, WM_CHAR, static_cast<unsigned char>(c), KeyData(virtualKey, false));
      ::SendMessageA(control, WM_KEYUP, static_cast<WPARAM>(virtualKey), KeyData(virtualKey, true));
      Pump();
    }
  }

  void PressKey(ui::Window& window, ui::ControlId id, int virtualKey) override {
    HWND control = Real(window).ControlHandle(id);
    if (control == nullptr) return;
    ::SendMessageA(control, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), KeyData(virtualKey, false));
    if (const int c = CharacterOfKey(virtualKey))
      ::SendMessageA(control, WM_CHAR, static_cast<WPARAM>(c), KeyData(virtualKey, false));
    ::SendMessageA(control, WM_KEYUP, static_cast<WPARAM>(virtualKey), KeyData(virtualKey, true));
    Pump();
  }

  void PressCtrlKey(ui::Window& window, ui::ControlId id, int virtualKey) override {
    HWND control = Real(window).ControlHandle(id);
    if (control == nullptr) return;
    const KeyStateHeld ctrl(VK_CONTROL);
    ::SendMessageA(control, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), KeyData(virtualKey, false));
    ::SendMessageA(control, WM_KEYUP, static_cast<WPARAM>(virtualKey), KeyData(virtualKey, true));
    Pump();
  }

  void PickListEntry(ui::Window& window, ui::ControlId id, int index) override {
    win32::Window& real = Real(window);
    HWND control = real.ControlHandle(id);
    if (control == nullptr) return;
    switch (real.KindOf(id)) {
      case ui::ControlKind::kListBox:
        real.ListSelect(id, index);
        ::SendMessageA(real.Handle(), WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(control));
        break;
      case ui::ControlKind::kComboBox:
        real.ListSelect(id, index);
        ::SendMessageA(real.Handle(), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(control));
        break;
      case ui::ControlKind::kListView:
        ClickRow(control, index);
        break;
      default:
        break;
    }
    Pump();
  }

  void ClickTickBox(ui::Window& window, ui::ControlId id, int row) override {
    HWND view = Real(window).ControlHandle(id);
    RECT bounds{};
    bounds.left = LVIR_BOUNDS;
    if (view == nullptr ||
        !::SendMessageA(view, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&bounds)))
      return;
    // The box is the state image at the row's left edge.
    PressAndRelease(view, PointData(bounds.left + 8, (bounds.top + bounds.bottom) / 2));
    Pump();
  }

  void ClickColumnTitle(ui::Window& window, ui::ControlId id, int column) override {
    HWND view = Real(window).ControlHandle(id);
    HWND header = view != nullptr ? reinterpret_cast<HWND>(::SendMessageA(view, LVM_GETHEADER, 0, 0)) : nullptr;
    RECT title{};
    if (header == nullptr ||
        !::SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&title)))
      return;
    PressAndRelease(header, PointData((title.left + title.right) / 2, (title.top + title.bottom) / 2));
    Pump();
  }

  void PickMenuItem(ui::Window& window, int menuId) override {
    win32::Window& real = Real(window);
    if (!real.IsMenuItemEnabled(menuId)) return;
    ::SendMessageA(real.Handle(), WM_COMMAND, MAKEWPARAM(menuId, 0), 0);
    Pump();
  }

  void PressAccelerator(ui::Window& window, int virtualKey, bool ctrl) override {
    win32::Window& real = Real(window);
    HWND target = ::GetFocus();
    if (target == nullptr || ::GetAncestor(target, GA_ROOT) != real.Handle()) target = real.Handle();
    std::optional<KeyStateHeld> held;
    if (ctrl) held.emplace(VK_CONTROL);
    ::PostMessageA(target, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), KeyData(virtualKey, false));
    Pump();
    ::PostMessageA(target, WM_KEYUP, static_cast<WPARAM>(virtualKey), KeyData(virtualKey, true));
    Pump();
  }

  void ClickCloseBox(ui::Window& window) override {
    ::SendMessageA(Real(window).Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    Pump();
  }

  // The window's own records of the drawing are read on their way back to the list view,
  // so what is seen is what the control draws with.
  std::vector<ui::CustomDraw> PaintListView(ui::Window& window, ui::ControlId id) override {
    win32::Window& real = Real(window);
    HWND view = real.ControlHandle(id);
    if (view == nullptr) return {};
    DrawWatch watch{view, {}};
    ::SetWindowSubclass(real.Handle(), &DrawWatchProcedure, kDrawWatchId, reinterpret_cast<DWORD_PTR>(&watch));
    ::RedrawWindow(view, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    ::RemoveWindowSubclass(real.Handle(), &DrawWatchProcedure, kDrawWatchId);
    return watch.drawn;
  }

  void Wait(int milliseconds) override {
    const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    for (ULONGLONG now = ::GetTickCount64(); now < end; now = ::GetTickCount64()) {
      Pump();
      ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    }
    Pump();
  }

  void WhenModalRuns(std::function<void()> action) override {
    modalAction_ = std::move(action);
    ::SetTimer(modalHook_.Get(), kModalTimer, USER_TIMER_MINIMUM, nullptr);
  }

 private:
  static bool IsButton(ui::ControlKind kind) {
    return kind == ui::ControlKind::kPushButton || kind == ui::ControlKind::kImageButton ||
           kind == ui::ControlKind::kCheckBox || kind == ui::ControlKind::kRadioButton;
  }

  static void Pump() { win32::PumpWaitingMessages(); }

  // A real press and release on the row, so that the list view sends its own click.
  static void ClickRow(HWND view, int row) {
    RECT bounds{};
    bounds.left = LVIR_LABEL;
    if (!::SendMessageA(view, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&bounds))) return;
    PressAndRelease(view, PointData(bounds.left + 4, (bounds.top + bounds.bottom) / 2));
  }

  static void PressAndRelease(HWND view, LPARAM at) {
    // The release is queued first: a list view may wait for it inside the press.
    ::PostMessageA(view, WM_LBUTTONUP, 0, at);
    ::SendMessageA(view, WM_LBUTTONDOWN, MK_LBUTTON, at);
  }

  static constexpr UINT_PTR kDrawWatchId = 1;
  struct DrawWatch {
    HWND view;
    std::vector<ui::CustomDraw> drawn;
  };

  static LRESULT CALLBACK DrawWatchProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                             DWORD_PTR refData) {
    auto* watch = reinterpret_cast<DrawWatch*>(refData);
    const auto* header = reinterpret_cast<const NMHDR*>(lparam);
    if (message != WM_NOTIFY || header->hwndFrom != watch->view || header->code != NM_CUSTOMDRAW)
      return ::DefSubclassProc(hwnd, message, wparam, lparam);
    const auto* draw = reinterpret_cast<const NMLVCUSTOMDRAW*>(lparam);
    const COLORREF text = draw->clrText;
    const COLORREF background = draw->clrTextBk;
    const LRESULT result = ::DefSubclassProc(hwnd, message, wparam, lparam);
    ui::CustomDraw record;
    record.stage = static_cast<int>(draw->nmcd.dwDrawStage);
    if (draw->nmcd.dwDrawStage & CDDS_ITEM) record.row = static_cast<int>(draw->nmcd.dwItemSpec);
    if (draw->nmcd.dwDrawStage & CDDS_SUBITEM) record.column = draw->iSubItem;
    if (draw->clrText != text) record.textColour = draw->clrText;
    if (draw->clrTextBk != background) record.backgroundColour = draw->clrTextBk;
    watch->drawn.push_back(record);
    return result;
  }

  static LRESULT CALLBACK ModalHookProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                             DWORD_PTR self) {
    if (message == WM_TIMER && wparam == kModalTimer) {
      auto* env = reinterpret_cast<Win32Env*>(self);
      ::KillTimer(hwnd, kModalTimer);
      std::function<void()> action = std::move(env->modalAction_);
      env->modalAction_ = nullptr;
      if (action) action();
      return 0;
    }
    return ::DefSubclassProc(hwnd, message, wparam, lparam);
  }

  win32::System system_;
  win32::UniqueWindow modalHook_;
  std::function<void()> modalAction_;
};

}  // namespace

std::unique_ptr<Env> MakeEnv() { return std::make_unique<Win32Env>(); }

}  // namespace contract
