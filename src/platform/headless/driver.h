// Lets a test act as the user of a headless session: click, type, press keys, pick
// entries and menu items, use the mouse on a rich edit, let time pass, and script the
// windows and system dialogs that will open later. Each action returns after the
// events it caused have been delivered.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/headless/rich_edit.h"
#include "platform/headless/system.h"
#include "platform/headless/user_script.h"
#include "platform/headless/window.h"

namespace headless {

class Driver {
 public:
  explicit Driver(System& system);

  // Controls. A hidden, disabled or missing control cannot be used: these return false.
  bool Click(ui::Window& window, ui::ControlId id);
  bool PickListEntry(ui::Window& window, ui::ControlId id, int index);  // list, combo or list-view row
  bool ListViewClick(ui::Window& window, ui::ControlId id, int row);
  bool ListViewDoubleClick(ui::Window& window, ui::ControlId id, int row);
  bool ClickTickBox(ui::Window& window, ui::ControlId id, int row);
  bool ClickColumnTitle(ui::Window& window, ui::ControlId id, int column);
  bool Scroll(ui::Window& window, ui::ControlId id, int scrollCode, int position = 0);
  // The list view is drawn, as when it comes on screen: its custom-draw notifications,
  // each record as the handler left it. Empty for a hidden or missing list view.
  std::vector<ui::CustomDraw> PaintListView(ui::Window& window, ui::ControlId id);

  // Keyboard. Keys go to the focused control unless one is named; a key that matches
  // an accelerator becomes a menu pick instead, as the message loop makes it.
  void TypeText(ui::Window& window, std::string_view text);
  void TypeText(ui::Window& window, ui::ControlId id, std::string_view text);
  void PressKey(ui::Window& window, int virtualKey);
  void PressKey(ui::Window& window, ui::ControlId id, int virtualKey);
  // Ctrl goes down, the key is pressed (its character is the control character), Ctrl goes up.
  void PressCtrlKey(ui::Window& window, int virtualKey);
  // One half of a key press, for holding Ctrl or Shift around other actions.
  void KeyDown(ui::Window& window, int virtualKey);
  void KeyUp(ui::Window& window, int virtualKey);
  // True when a menu pick was delivered.
  bool PressAccelerator(ui::Window& window, int virtualKey, bool ctrl, bool shift = false);

  // Menus and the window frame.
  bool PickMenuItem(ui::Window& window, int menuId);  // false for a greyed or absent item
  bool PickContextMenuItem(ui::Window& window, int menuId);
  void ClickCloseBox(ui::Window& window);

  // The mouse on a rich edit, at a character's place.
  void LeftClickAt(ui::Window& window, ui::ControlId id, int charPos);
  void RightClickAt(ui::Window& window, ui::ControlId id, int charPos);
  void Wheel(ui::Window& window, ui::ControlId id, int delta);
  void MoveCursor(ui::Point screen);

  // Time. A tick of a started timer now, or virtual time passing with every tick due.
  bool TickTimer(ui::Window& window, int timerId);
  void AdvanceClock(int milliseconds);

  // Scripts. A window's action runs when its modal loop (or the main loop) starts; an
  // empty caption, or WhenModalRuns, takes the next modal loop of any window. Each
  // action runs once. A loop whose window is still open after its action, and after
  // up to kUnattendedModalMs of its own timers, gets a close request and is then closed.
  void WhenWindowOpens(std::string caption, WindowAction action);
  void WhenModalRuns(WindowAction action);
  // Runs at the next PumpMessages, one action per pump.
  void WhenMessagesPumped(std::function<void()> action);
  // Answers for the next dialogs of each kind; nullopt answers with Cancel.
  void AnswerOpenDialog(std::optional<std::filesystem::path> answer);
  void AnswerSaveDialog(std::optional<std::filesystem::path> answer);
  void AnswerFontDialog(std::optional<ui::FontSpec> answer);

  // What happened.
  const std::vector<Launch>& Launches() const { return Script().Launches(); }
  const std::vector<DialogShown>& Dialogs() const { return Script().Dialogs(); }
  std::vector<DialogShown> UnansweredDialogs() const { return Script().UnansweredDialogs(); }
  const std::vector<std::string>& UnansweredWindows() const { return Script().UnansweredWindows(); }
  const std::vector<std::string>& LoopsRun() const { return Script().Loops(); }
  // Every top-level window that has closed, with its controls as they last stood.
  const std::vector<ClosedWindow>& ClosedWindows() const { return Script().ClosedWindows(); }
  std::optional<std::string> Clipboard() const { return system_.ClipboardText(); }

  // The rich edit behind an id, for its request counts and view settings.
  RichEdit& EditOf(ui::Window& window, ui::ControlId id);

 private:
  enum class AcceleratorResult { kNone, kPicked, kSwallowed };

  const UserScript& Script() const { return system_.GetDesktop().script; }
  Desktop& GetDesktop() { return system_.GetDesktop(); }
  static Window& Headless(ui::Window& window);
  static bool Usable(const Window& window, ui::ControlId id);
  void KeyStroke(Window& window, ui::ControlId id, int virtualKey, int character);
  AcceleratorResult TryAccelerator(Window& window, int virtualKey);
  void SetModifier(int virtualKey, bool down);

  System& system_;
};

}  // namespace headless
