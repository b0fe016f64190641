// What a contract test needs besides the window layer itself: a system to make windows
// with, and a way to act as the user. One implementation drives the headless layer,
// the other posts real input to the Win32 controls.
#pragma once

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/ui.h"

namespace contract {

class Env {
 public:
  virtual ~Env() = default;

  virtual ui::System& System() = 0;

  // User actions on a control of a window; each returns after the events it caused
  // have been delivered.
  virtual void Click(ui::Window& window, ui::ControlId id) = 0;
  virtual void TypeText(ui::Window& window, ui::ControlId id, std::string_view text) = 0;
  virtual void PressKey(ui::Window& window, ui::ControlId id, int virtualKey) = 0;
  // The key pressed with Ctrl held down.
  virtual void PressCtrlKey(ui::Window& window, ui::ControlId id, int virtualKey) = 0;
  // Picks an entry of a list box, combo box or list view (row) as a user would.
  virtual void PickListEntry(ui::Window& window, ui::ControlId id, int index) = 0;
  // A click on the tick box of a row of a list view made with tick boxes.
  virtual void ClickTickBox(ui::Window& window, ui::ControlId id, int row) = 0;
  // A click on a list view's column title.
  virtual void ClickColumnTitle(ui::Window& window, ui::ControlId id, int column) = 0;
  virtual void PickMenuItem(ui::Window& window, int menuId) = 0;
  virtual void PressAccelerator(ui::Window& window, int virtualKey, bool ctrl) = 0;
  virtual void ClickCloseBox(ui::Window& window) = 0;

  // Draws a list view now, as when it comes on screen: the records of the custom-draw
  // notifications it sent, each as the handler left it (a colour the handler did not set
  // is empty).
  virtual std::vector<ui::CustomDraw> PaintListView(ui::Window& window, ui::ControlId id) = 0;

  // Lets time pass (virtual time in the headless layer) while messages are delivered.
  virtual void Wait(int milliseconds) = 0;

  // The next modal loop that starts runs this once from inside the loop, so a test can
  // act on (and close) the modal window while its loop is running.
  virtual void WhenModalRuns(std::function<void()> action) = 0;
};

// Made by the implementation the suite is linked with.
std::unique_ptr<Env> MakeEnv();

}  // namespace contract
