// The in-memory top-level window: its own state, its child controls kept as state
// and the events they send, like the Windows controls the editor uses.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless/control_state.h"
#include "platform/headless/desktop.h"
#include "platform/window.h"

namespace headless {

struct TimerState {
  int intervalMs = 0;
  std::int64_t startedMs = 0;
  std::int64_t dueMs = 0;
};

struct Draw {
  enum class Kind { kFill, kFrame };
  Kind kind = Kind::kFill;
  ui::Rect rect;
  ui::Colour colour = 0;
  friend bool operator==(const Draw&, const Draw&) = default;
};

struct ShownContextMenu {
  std::vector<ui::MenuItem> items;
  ui::Point screen;
};

class Window final : public ui::Window, private RichEditHost {
 public:
  // Windows shorter than this get the minimum interval, as SetTimer gives them.
  static constexpr int kMinimumTimerMs = 10;

  Window(Desktop& desktop, const ui::WindowSpec& desc);
  ~Window() override;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  void SetHandler(ui::EventHandler handler) override;

  void SetCaption(std::string_view caption) override { caption_ = caption; }
  std::string Caption() const override { return caption_; }
  void SetRect(ui::Rect rect) override { rect_ = rect; }
  ui::Rect GetRect() const override { return rect_; }
  void Centre() override;
  void SetBackground(ui::Colour colour) override { background_ = colour; }
  void SetIcon(int iconId) override { iconId_ = iconId; }
  void Show(bool visible) override { visible_ = visible; }
  bool IsVisible() const override { return visible_; }
  void Minimise() override { minimised_ = true; }
  void Restore() override { minimised_ = false; }
  bool IsMinimised() const override { return minimised_; }
  void FocusWindow() override { focused_ = 0; }

  void SetMenuBar(const std::vector<ui::MenuItem>& menus) override { menuBar_ = menus; }
  void EnableMenuItem(int id, bool enabled) override;
  bool IsMenuItemEnabled(int id) const override;
  void SetAccelerators(const std::vector<ui::Accelerator>& accelerators) override { accelerators_ = accelerators; }
  void ShowContextMenu(const std::vector<ui::MenuItem>& items, ui::Point screen) override;

  void StartTimer(int timerId, int intervalMs) override;
  void StopTimer(int timerId) override { timers_.erase(timerId); }

  bool CreateControl(const ui::ControlSpec& desc) override;
  bool RenameControl(ui::ControlId from, ui::ControlId to) override;
  void DestroyControl(ui::ControlId id) override;
  bool HasControl(ui::ControlId id) const override { return Find(id) != nullptr; }
  void ShowControl(ui::ControlId id, bool visible) override;
  bool IsControlVisible(ui::ControlId id) const override;
  void EnableControl(ui::ControlId id, bool enabled) override;
  bool IsControlEnabled(ui::ControlId id) const override;
  void SetText(ui::ControlId id, std::string_view text) override;
  std::string GetText(ui::ControlId id) const override;
  void SelectAllText(ui::ControlId id) override;
  void CaretToEnd(ui::ControlId id) override;
  void SetChecked(ui::ControlId id, bool checked) override;
  bool IsChecked(ui::ControlId id) const override;
  void SetFont(ui::ControlId id, const ui::FontSpec& font) override;
  void SetColours(ui::ControlId id, ui::Colour text, ui::Colour background) override;
  void SetTooltip(ui::ControlId id, std::string_view text) override;
  std::string Tooltip(ui::ControlId id) const override;
  void MoveControl(ui::ControlId id, ui::Rect rect) override;
  ui::Rect ControlRect(ui::ControlId id) const override;
  void Focus(ui::ControlId id) override;
  ui::ControlId FocusedControl() const override { return focused_; }
  void SetImage(ui::ControlId id, int bitmapId) override;
  void SetControlRedraw(ui::ControlId id, bool on) override;
  bool IsControlRedrawOn(ui::ControlId id) const override;

  int ListAdd(ui::ControlId id, std::string_view text) override;
  int ListInsert(ui::ControlId id, int index, std::string_view text) override;
  void ListDelete(ui::ControlId id, int index) override;
  void ListClear(ui::ControlId id) override;
  int ListCount(ui::ControlId id) const override;
  std::string ListText(ui::ControlId id, int index) const override;
  int ListFindExact(ui::ControlId id, std::string_view text) const override;
  void ListSelect(ui::ControlId id, int index) override;
  int ListSelected(ui::ControlId id) const override;
  void DropDown(ui::ControlId id, bool open) override;

  void ViewAddColumn(ui::ControlId id, std::string_view title, int width) override;
  int ViewColumnCount(ui::ControlId id) const override;
  int ViewInsertRow(ui::ControlId id, int row, std::string_view firstCell) override;
  void ViewDeleteRow(ui::ControlId id, int row) override;
  void ViewClear(ui::ControlId id) override;
  int ViewRowCount(ui::ControlId id) const override;
  void ViewSetCell(ui::ControlId id, int row, int column, std::string_view text) override;
  std::string ViewCell(ui::ControlId id, int row, int column) const override;
  void ViewSetTicked(ui::ControlId id, int row, bool ticked) override;
  bool ViewIsTicked(ui::ControlId id, int row) const override;
  void ViewSelect(ui::ControlId id, int row, bool selected) override;
  std::vector<int> ViewSelectedRows(ui::ControlId id) const override;
  int ViewFindExact(ui::ControlId id, std::string_view text) const override;
  void ViewEnsureVisible(ui::ControlId id, int row) override;

  void SetScrollRange(ui::ControlId id, int minimum, int maximum) override;
  void SetScrollPos(ui::ControlId id, int position) override;
  int ScrollPos(ui::ControlId id) const override;

  RichEdit* Edit(ui::ControlId id) override;

  void FillRect(ui::Rect rect, ui::Colour colour) override;
  void FrameRect(ui::Rect rect, ui::Colour colour) override;

  void RunModal() override;
  void Close() override;
  bool IsOpen() const override { return open_; }

  // Headless only: delivering events, and the state a test may look at.
  int Deliver(const ui::Event& event);  // the handler's answer, 0 without one
  void Notify(ui::ControlId id, int notifyCode, int row = 0);
  void DeliverMenuPick(int id);
  // What the close box does: asks the handler, or closes a window that has none.
  void RequestClose();

  ControlState* Find(ui::ControlId id);
  const ControlState* Find(ui::ControlId id) const;
  std::optional<ui::ControlKind> KindOf(ui::ControlId id) const;
  std::vector<ui::ControlId> ControlsOfKind(ui::ControlKind kind) const;
  // A key or mouse message from the user to one control: a control made with
  // reportsKeys reports a key going down; rich edits and edit boxes act on it, other
  // controls ignore it.
  void SendInput(ui::ControlId id, ui::InputMessage message);
  // Draws a shown list view: its custom-draw notifications, each record as the handler
  // left it, in the order they were sent (window_custom_draw.cpp).
  std::vector<ui::CustomDraw> DrawListView(ui::ControlId id);
  // Replaces an edit box's text without the notification a programmatic set sends.
  void SetEditTextSilently(ui::ControlId id, std::string text, int caret);

  const std::vector<ui::MenuItem>& MenuBar() const { return menuBar_; }
  const ui::MenuItem* FindMenuItem(int id) const;
  const std::vector<ui::Accelerator>& Accelerators() const { return accelerators_; }
  const std::optional<ShownContextMenu>& ContextMenu() const { return contextMenu_; }
  void DismissContextMenu() { contextMenu_.reset(); }
  const std::map<int, TimerState>& Timers() const { return timers_; }
  // Moves a timer's next tick on by its interval (never into the past) and delivers it.
  void FireTimer(int timerId);
  const std::vector<Draw>& Draws() const { return draws_; }
  void ClearDraws() { draws_.clear(); }
  ui::Colour Background() const { return background_; }
  int IconId() const { return iconId_; }
  Desktop& GetDesktop() { return desktop_; }

 private:
  void NotifyFromControl(ui::ControlId id, int notifyCode) override { Notify(id, notifyCode); }
  void FocusFromControl(ui::ControlId id) override { Focus(id); }
  const KeyboardState& Keyboard() const override { return desktop_.keyboard; }

  void EditBoxInput(ControlState& box, const ui::InputMessage& message);
  ViewRow* RowOf(ui::ControlId id, int row);
  const ViewRow* RowOf(ui::ControlId id, int row) const;

  Desktop& desktop_;
  std::string caption_;
  ui::Rect rect_;
  ui::Colour background_;
  int iconId_;
  std::int64_t openedMs_;
  bool visible_;
  bool minimised_ = false;
  bool open_ = true;
  ui::EventHandler handler_;
  std::map<ui::ControlId, ControlState> controls_;
  // Controls of a closed window stay alive until the window goes, because the close
  // may come from inside one of their own notifications.
  std::map<ui::ControlId, ControlState> closedControls_;
  ui::ControlId focused_ = 0;
  std::vector<ui::MenuItem> menuBar_;
  std::vector<ui::Accelerator> accelerators_;
  std::optional<ShownContextMenu> contextMenu_;
  std::map<int, TimerState> timers_;
  std::vector<Draw> draws_;
};

}  // namespace headless
