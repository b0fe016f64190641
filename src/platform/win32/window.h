// A top-level Win32 window and its child controls behind the layer's Window interface.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/win32/font_cache.h"
#include "platform/win32/list_view_rows.h"
#include "platform/win32/menu_builder.h"
#include "platform/win32/rich_edit.h"
#include "platform/win32/unique_handle.h"
#include "platform/window.h"

namespace win32 {

// Where a window's class lives; the System registers it once.
struct WindowClass {
  HINSTANCE module = nullptr;
  const char* name = nullptr;
};

class Window final : public ui::Window {
 public:
  Window(const WindowClass& windowClass, const ui::WindowSpec& desc);
  ~Window() override;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // The Window object behind one of our top-level windows, or nullptr for any other.
  static Window* FromHandle(HWND window);
  // The window procedure of the class the System registers.
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  HWND Handle() const { return hwnd_; }
  HWND ControlHandle(ui::ControlId id) const;  // nullptr when there is no such control
  ui::ControlKind KindOf(ui::ControlId id) const;
  HACCEL Accelerators() const { return accelerators_.Get(); }

  void SetHandler(ui::EventHandler handler) override;

  void SetCaption(std::string_view caption) override;
  std::string Caption() const override;
  void SetRect(ui::Rect rect) override;
  ui::Rect GetRect() const override;
  void Centre() override;
  void SetBackground(ui::Colour colour) override;
  void SetIcon(int iconId) override;
  void Show(bool visible) override;
  bool IsVisible() const override;
  void Minimise() override;
  void Restore() override;
  bool IsMinimised() const override;
  void FocusWindow() override;

  void SetMenuBar(const std::vector<ui::MenuItem>& menus) override;
  void EnableMenuItem(int id, bool enabled) override;
  bool IsMenuItemEnabled(int id) const override;
  void SetAccelerators(const std::vector<ui::Accelerator>& accelerators) override;
  void ShowContextMenu(const std::vector<ui::MenuItem>& items, ui::Point screen) override;

  void StartTimer(int timerId, int intervalMs) override;
  void StopTimer(int timerId) override;

  bool CreateControl(const ui::ControlSpec& desc) override;
  bool RenameControl(ui::ControlId from, ui::ControlId to) override;
  void DestroyControl(ui::ControlId id) override;
  bool HasControl(ui::ControlId id) const override;
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
  ui::ControlId FocusedControl() const override;
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

  ui::RichEdit* Edit(ui::ControlId id) override;

  void FillRect(ui::Rect rect, ui::Colour colour) override;
  void FrameRect(ui::Rect rect, ui::Colour colour) override;

  void RunModal() override;
  void Close() override;
  bool IsOpen() const override { return hwnd_ != nullptr; }

  // Hands an event to the handler; the handler's result, or 0 without one. Used by
  // the window procedure and by the controls' subclass procedures.
  int Deliver(const ui::Event& event);

 private:
  struct ControlColours {
    ui::Colour text = 0;
    ui::Colour background = 0;
    UniqueBrush brush;
  };
  struct Control {
    ui::ControlKind kind = ui::ControlKind::kStatic;
    HWND hwnd = nullptr;
    std::unique_ptr<RichEdit> edit;
    std::unique_ptr<ListViewRows> rows;  // list views
    std::optional<ControlColours> colours;
    UniqueBitmap image;
    std::string tooltip;
    bool reportsFocus = false;
    bool redraw = true;  // the control cannot be asked
    // List and combo boxes: drawing is switched off only once an entry comes while the
    // caller has it off, so a batch that adds nothing costs nothing.
    bool drawingHeld = false;
    bool checkBoxes = false;
    bool rowClickTicks = false;
  };

  // Message handling (window_procedure.cpp).
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnCommand(WPARAM wparam, LPARAM lparam);
  LRESULT OnNotify(const NMHDR& header, LPARAM lparam);
  LRESULT OnCustomDraw(const Control& control, ui::ControlId id, LPARAM lparam);
  LRESULT OnVerticalScroll(WPARAM wparam, LPARAM lparam);
  LRESULT OnControlColour(UINT message, HDC dc, HWND control);
  const Control* FindByHandle(HWND control) const;
  void OnDestroy();
  void DeliverNotify(ui::ControlId id, int notifyCode, int scrollPosition = 0);

  // Owner-data list views (window_list_view.cpp).
  Control* ListView(ui::ControlId id);
  const Control* ListView(ui::ControlId id) const;
  static void TellRowCount(const Control& view);
  static void RowsChanged(const Control& view);
  LRESULT AnswerRowRequest(const Control& view, const NMHDR& header, LPARAM lparam) const;
  void ToggleTickAt(const Control& view, POINT point);

  // Before a list or combo box changes: holds its drawing when the caller asked for it off.
  void HoldDrawingIfOff(ui::ControlId id);

  // Controls (window_controls.cpp).
  const Control* Find(ui::ControlId id) const;
  Control* Find(ui::ControlId id);
  HWND Hwnd(ui::ControlId id) const;
  void ApplyImage(Control& control, int bitmapId);
  HWND Tooltips();

  HINSTANCE module_;
  HWND hwnd_ = nullptr;
  ui::EventHandler handler_;
  FontCache fonts_;
  ui::Colour backgroundColour_;
  UniqueBrush background_;
  BuiltMenu menuBar_;
  UniqueAccelerators accelerators_;
  UniqueWindow tooltips_;
  std::map<ui::ControlId, Control> controls_;
};

}  // namespace win32
