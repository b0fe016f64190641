#include "platform/headless/driver.h"

#include <stdexcept>

#include "platform/headless/keyboard_layout.h"
#include "platform/headless/menu_search.h"
#include "platform/headless/message_loop.h"

namespace headless {
namespace {

std::intptr_t PointParam(ui::Point p) {
  return static_cast<std::intptr_t>((static_cast<std::uint32_t>(p.y & 0xFFFF) << 16) | static_cast<std::uint32_t>(p.x & 0xFFFF));
}

bool Pickable(const ui::MenuItem* item) { return item != nullptr && !item->greyed && item->children.empty(); }

}  // namespace

Driver::Driver(System& system) : system_(system) {}

Window& Driver::Headless(ui::Window& window) { return dynamic_cast<Window&>(window); }

bool Driver::Usable(const Window& window, ui::ControlId id) {
  const ControlState* control = window.Find(id);
  return window.IsOpen() && control != nullptr && control->visible && control->enabled;
}

bool Driver::Click(ui::Window& w, ui::ControlId id) {
  Window& window = Headless(w);
  if (!Usable(window, id)) return false;
  const ui::ControlKind kind = *window.KindOf(id);
  switch (kind) {
    case ui::ControlKind::kPushButton:
    case ui::ControlKind::kImageButton:
      window.Focus(id);
      window.Notify(id, ui::notify::kClick);
      break;
    case ui::ControlKind::kCheckBox:
      window.Focus(id);
      window.SetChecked(id, !window.IsChecked(id));
      window.Notify(id, ui::notify::kClick);
      break;
    case ui::ControlKind::kRadioButton:
      // Radio buttons without group marks form one group: a click unticks the others.
      window.Focus(id);
      for (ui::ControlId other : window.ControlsOfKind(ui::ControlKind::kRadioButton)) window.SetChecked(other, false);
      window.SetChecked(id, true);
      window.Notify(id, ui::notify::kClick);
      break;
    case ui::ControlKind::kEdit:
    case ui::ControlKind::kRichEdit:
    case ui::ControlKind::kListBox:
    case ui::ControlKind::kComboBox:
    case ui::ControlKind::kListView:
    case ui::ControlKind::kTreeView: window.Focus(id); break;
    case ui::ControlKind::kStatic:
      // Labels are made to notify (SS_NOTIFY), and take no focus.
      window.Notify(id, ui::notify::kClick);
      break;
    default: break;
  }
  return true;
}

bool Driver::PickListEntry(ui::Window& w, ui::ControlId id, int index) {
  Window& window = Headless(w);
  if (!Usable(window, id)) return false;
  if (window.KindOf(id) == ui::ControlKind::kListView) return ListViewClick(w, id, index);
  if (index < 0 || index >= window.ListCount(id)) return false;
  window.Focus(id);
  window.ListSelect(id, index);
  window.DropDown(id, false);
  window.Notify(id, ui::notify::kSelectionChanged);
  return true;
}

// A click on empty space below the rows clears the selection and reports row -1.
bool Driver::ListViewClick(ui::Window& w, ui::ControlId id, int row) {
  Window& window = Headless(w);
  if (!Usable(window, id) || window.KindOf(id) != ui::ControlKind::kListView) return false;
  window.Focus(id);
  const bool onRow = row >= 0 && row < window.ViewRowCount(id);
  for (int selected : window.ViewSelectedRows(id)) window.ViewSelect(id, selected, false);
  if (onRow) window.ViewSelect(id, row, true);
  const ui::ControlSpec& desc = window.Find(id)->desc;
  if (onRow && desc.checkBoxes && desc.rowClickTicks) window.ViewSetTicked(id, row, !window.ViewIsTicked(id, row));
  window.Notify(id, ui::notify::kListViewClick, onRow ? row : -1);
  return true;
}

bool Driver::ListViewDoubleClick(ui::Window& w, ui::ControlId id, int row) {
  if (!ListViewClick(w, id, row)) return false;
  Window& window = Headless(w);
  const bool onRow = row >= 0 && row < window.ViewRowCount(id);
  window.Notify(id, ui::notify::kListViewDoubleClick, onRow ? row : -1);
  return true;
}

bool Driver::ClickTickBox(ui::Window& w, ui::ControlId id, int row) {
  Window& window = Headless(w);
  if (!Usable(window, id) || !window.Find(id)->desc.checkBoxes || row < 0 || row >= window.ViewRowCount(id))
    return false;
  window.ViewSetTicked(id, row, !window.ViewIsTicked(id, row));
  window.Notify(id, ui::notify::kListViewClick, row);
  return true;
}

bool Driver::ClickColumnTitle(ui::Window& w, ui::ControlId id, int column) {
  Window& window = Headless(w);
  if (!Usable(window, id) || window.KindOf(id) != ui::ControlKind::kListView || column < 0 ||
      column >= window.ViewColumnCount(id))
    return false;
  window.Deliver({.kind = ui::MessageKind::kControlNotify,
                  .commandCode = column,
                  .controlId = id,
                  .notifyCode = ui::notify::kListViewColumnClick});
  return true;
}

// The bar does not move its thumb by itself: the handler does, as with a real one.
bool Driver::Scroll(ui::Window& w, ui::ControlId id, int scrollCode, int position) {
  Window& window = Headless(w);
  if (!Usable(window, id)) return false;
  window.Deliver({.kind = ui::MessageKind::kVerticalScroll,
                  .commandCode = scrollCode,
                  .scrollPosition = position,
                  .controlId = id});
  return true;
}

std::vector<ui::CustomDraw> Driver::PaintListView(ui::Window& w, ui::ControlId id) {
  Window& window = Headless(w);
  if (!window.IsOpen()) return {};
  return window.DrawListView(id);
}

void Driver::TypeText(ui::Window& w, std::string_view text) { TypeText(w, Headless(w).FocusedControl(), text); }

void Driver::TypeText(ui::Window& w, ui::ControlId id, std::string_view text) {
  Window& window = Headless(w);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\n' && i > 0 && text[i - 1] == '\r') continue;
    const KeyPress press = KeyOfCharacter(c);
    if (TryAccelerator(window, press.virtualKey) == AcceleratorResult::kNone) {
      KeyStroke(window, id, press.virtualKey, press.character);
    } else {
      window.SendInput(id, {ui::message::kKeyUp, static_cast<std::uintptr_t>(press.virtualKey), 0});
    }
  }
}

void Driver::PressKey(ui::Window& w, int virtualKey) { PressKey(w, Headless(w).FocusedControl(), virtualKey); }

void Driver::PressKey(ui::Window& w, ui::ControlId id, int virtualKey) {
  Window& window = Headless(w);
  const KeyboardState& keys = GetDesktop().keyboard;
  if (TryAccelerator(window, virtualKey) == AcceleratorResult::kNone) {
    KeyStroke(window, id, virtualKey, CharacterOfKey(virtualKey, keys.ctrl, keys.shift));
  } else {
    window.SendInput(id, {ui::message::kKeyUp, static_cast<std::uintptr_t>(virtualKey), 0});
  }
}

void Driver::PressCtrlKey(ui::Window& w, int virtualKey) {
  KeyDown(w, ui::key::kControl);
  PressKey(w, virtualKey);
  KeyUp(w, ui::key::kControl);
}

void Driver::KeyDown(ui::Window& w, int virtualKey) {
  Window& window = Headless(w);
  SetModifier(virtualKey, true);
  if (TryAccelerator(window, virtualKey) != AcceleratorResult::kNone) return;
  window.SendInput(window.FocusedControl(), {ui::message::kKeyDown, static_cast<std::uintptr_t>(virtualKey), 0});
}

void Driver::KeyUp(ui::Window& w, int virtualKey) {
  Window& window = Headless(w);
  SetModifier(virtualKey, false);
  window.SendInput(window.FocusedControl(), {ui::message::kKeyUp, static_cast<std::uintptr_t>(virtualKey), 0});
}

bool Driver::PressAccelerator(ui::Window& w, int virtualKey, bool ctrl, bool shift) {
  KeyboardState& keys = GetDesktop().keyboard;
  const KeyboardState saved = keys;
  keys.ctrl = ctrl;
  keys.shift = shift;
  Window& window = Headless(w);
  const AcceleratorResult result = TryAccelerator(window, virtualKey);
  if (result == AcceleratorResult::kNone) PressKey(w, virtualKey);
  keys = saved;
  return result == AcceleratorResult::kPicked;
}

bool Driver::PickMenuItem(ui::Window& w, int menuId) {
  Window& window = Headless(w);
  if (!window.IsOpen() || !Pickable(window.FindMenuItem(menuId))) return false;
  window.DeliverMenuPick(menuId);
  return true;
}

bool Driver::PickContextMenuItem(ui::Window& w, int menuId) {
  Window& window = Headless(w);
  if (!window.ContextMenu() || !Pickable(FindMenuItemIn(window.ContextMenu()->items, menuId))) return false;
  window.DismissContextMenu();
  window.DeliverMenuPick(menuId);
  return true;
}

void Driver::ClickCloseBox(ui::Window& w) { Headless(w).RequestClose(); }

void Driver::LeftClickAt(ui::Window& w, ui::ControlId id, int charPos) {
  Window& window = Headless(w);
  const std::intptr_t where = PointParam(EditOf(w, id).PointOfChar(charPos));
  window.SendInput(id, {ui::message::kLeftButtonDown, 1, where});
  window.SendInput(id, {ui::message::kLeftButtonUp, 0, where});
}

void Driver::RightClickAt(ui::Window& w, ui::ControlId id, int charPos) {
  const std::intptr_t where = PointParam(EditOf(w, id).PointOfChar(charPos));
  Headless(w).SendInput(id, {ui::message::kRightButtonDown, 2, where});
}

void Driver::Wheel(ui::Window& w, ui::ControlId id, int delta) {
  const auto wparam = static_cast<std::uintptr_t>(static_cast<std::uint32_t>(delta & 0xFFFF) << 16);
  Headless(w).SendInput(id, {ui::message::kMouseWheel, wparam, 0});
}

void Driver::MoveCursor(ui::Point screen) { GetDesktop().cursor = screen; }

bool Driver::TickTimer(ui::Window& w, int timerId) {
  Window& window = Headless(w);
  if (!window.Timers().contains(timerId)) return false;
  window.FireTimer(timerId);
  return true;
}

void Driver::AdvanceClock(int milliseconds) {
  DeliverTimersDueBy(GetDesktop(), GetDesktop().nowMs + std::max(0, milliseconds));
}

void Driver::WhenWindowOpens(std::string caption, WindowAction action) {
  GetDesktop().script.WhenWindowOpens(std::move(caption), std::move(action));
}

void Driver::WhenModalRuns(WindowAction action) { GetDesktop().script.WhenWindowOpens({}, std::move(action)); }

void Driver::WhenMessagesPumped(std::function<void()> action) { GetDesktop().script.QueuePumpAction(std::move(action)); }

void Driver::AnswerOpenDialog(std::optional<std::filesystem::path> answer) {
  GetDesktop().script.QueuePathAnswer(DialogKind::kOpen, std::move(answer));
}

void Driver::AnswerSaveDialog(std::optional<std::filesystem::path> answer) {
  GetDesktop().script.QueuePathAnswer(DialogKind::kSave, std::move(answer));
}

void Driver::AnswerFontDialog(std::optional<ui::FontSpec> answer) { GetDesktop().script.QueueFontAnswer(std::move(answer)); }

RichEdit& Driver::EditOf(ui::Window& window, ui::ControlId id) {
  RichEdit* edit = Headless(window).Edit(id);
  if (edit == nullptr) throw std::invalid_argument("no rich edit with id " + std::to_string(id));
  return *edit;
}

void Driver::KeyStroke(Window& window, ui::ControlId id, int virtualKey, int character) {
  const auto key = static_cast<std::uintptr_t>(virtualKey);
  window.SendInput(id, {ui::message::kKeyDown, key, 0});
  if (character != 0) window.SendInput(id, {ui::message::kChar, static_cast<std::uintptr_t>(character), 0});
  window.SendInput(id, {ui::message::kKeyUp, key, 0});
}

// Accelerators of greyed menu items are swallowed without a pick, as the real
// translation does.
Driver::AcceleratorResult Driver::TryAccelerator(Window& window, int virtualKey) {
  const KeyboardState& keys = GetDesktop().keyboard;
  const int key = NormaliseAcceleratorKey(virtualKey);
  for (const ui::Accelerator& a : window.Accelerators()) {
    if (NormaliseAcceleratorKey(a.key) != key || a.ctrl != keys.ctrl || a.shift != keys.shift || a.alt) continue;
    const ui::MenuItem* item = window.FindMenuItem(a.commandId);
    if (item != nullptr && item->greyed) return AcceleratorResult::kSwallowed;
    window.DeliverMenuPick(a.commandId);
    return AcceleratorResult::kPicked;
  }
  return AcceleratorResult::kNone;
}

void Driver::SetModifier(int virtualKey, bool down) {
  if (virtualKey == ui::key::kControl) GetDesktop().keyboard.ctrl = down;
  if (virtualKey == ui::key::kShift) GetDesktop().keyboard.shift = down;
}

}  // namespace headless
