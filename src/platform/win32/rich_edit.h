// The RichEdit 2.0 control behind the layer's RichEdit interface, subclassed so that a
// message filter sees key and mouse messages before the control does.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/rich_edit.h"
#include "platform/win32/window_property.h"

namespace win32 {

// The property under which the control's own window procedure is kept while it is
// subclassed; other code that looks for it relies on the name.
inline constexpr const char* kPreviousProcedureProperty = "edit_handler";

class RichEdit final : public ui::RichEdit {
 public:
  // Subclasses the control; the destructor (or the control's destruction) undoes it.
  RichEdit(HWND control, ui::ControlId id);
  ~RichEdit() override;
  RichEdit(const RichEdit&) = delete;
  RichEdit& operator=(const RichEdit&) = delete;

  HWND Handle() const { return hwnd_; }

  ui::ControlId Id() const override { return id_; }
  void Renumber(ui::ControlId id) { id_ = id; }

  int LineCount() const override;
  int LineIndex(int line) const override;
  int LineLength(int charPos) const override;
  int LineFromChar(int charPos) const override;
  std::string GetLine(int line, int maxChars) const override;

  void SetSelection(int start, int end) override;
  std::pair<int, int> GetSelection() const override;
  std::string SelectedText() const override;
  std::string TextRange(int start, int end) const override;
  void ReplaceSelection(std::string_view text, bool canUndo) override;

  void SetSelectionColour(ui::Colour colour) override;
  ui::Colour ColourAt(int charPos) const override;
  void SetSelectionLook(const ui::TextLook& look) override;

  std::string Text() const override;
  int TextLength() const override;
  void SetText(std::string_view text) override;
  void SetTextLimit(int limit) override;
  int TextLimit() const override;

  int FirstVisibleLine() const override;
  ui::Point ScrollPosition() const override;
  void SetScrollPosition(ui::Point position) override;
  void LineScroll(int lines) override;
  ui::Point PositionFromChar(int charPos) const override;
  ui::Point CaretPoint() const override;
  int CharFromPosition(ui::Point position) const override;
  void SetRedraw(bool on) override;
  void ShowWholeRows(int rowHeight, int maxRows) override;

  void SetEventMask(std::uint32_t mask) override;
  std::uint32_t EventMask() const override;
  void SetBackground(ui::Colour colour) override;
  void SetFont(const ui::FontSpec& font) override;
  void SetDefaultTextColour(ui::Colour colour) override;
  void SetTabStops(int width) override;

  void SetMessageFilter(ui::MessageFilter filter) override;

 private:
  static LRESULT CALLBACK SubclassProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Filter(WNDPROC previous, UINT message, WPARAM wparam, LPARAM lparam);
  void Unsubclass();
  // The formatting rectangle: whole rows from the top, as many as fit and are wanted.
  void FitTextToWholeRows();
  LRESULT Send(UINT message, WPARAM wparam = 0, LPARAM lparam = 0) const;

  // Tab stops (rich_edit_tab_stops.cpp).
  int AverageCharWidth() const;
  void PutTabStopsOnEveryParagraph();
  void StreamKeepingTabStops(std::string_view text);

  HWND hwnd_;
  ui::ControlId id_;
  WNDPROC previous_ = nullptr;
  std::unique_ptr<WindowProperty> previousProperty_;
  std::unique_ptr<WindowProperty> objectProperty_;
  ui::MessageFilter filter_;
  // Every paragraph holds stops this many twips apart; 0 while the control's own stand.
  long tabStopTwips_ = 0;
  int wholeRowHeight_ = 0;  // 0: the control's own formatting rectangle
  int maxWholeRows_ = 0;
};

}  // namespace win32
