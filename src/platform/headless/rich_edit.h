// The in-memory rich edit: the real control's text model, selection, per-character
// colours, a view with a fixed line height and character width and the control's tab
// stops, and its default key and mouse handling behind the message filter.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/headless/desktop.h"
#include "platform/headless/rich_edit_request.h"
#include "platform/headless/text_buffer.h"
#include "platform/rich_edit.h"

namespace headless {

// What a rich edit needs from the window that holds it.
class RichEditHost {
 public:
  virtual void NotifyFromControl(ui::ControlId id, int notifyCode) = 0;
  virtual void FocusFromControl(ui::ControlId id) = 0;
  virtual const KeyboardState& Keyboard() const = 0;

 protected:
  ~RichEditHost() = default;
};

class RichEdit final : public ui::RichEdit {
 public:
  static constexpr int kDefaultTextLimit = 32767;  // before the first SetTextLimit
  static constexpr int kZeroTextLimit = 65536;     // what a limit of 0 means
  static constexpr int kDefaultLineHeight = 16;
  static constexpr int kDefaultCharWidth = 8;
  static constexpr int kWheelDelta = 120;
  static constexpr int kWheelLines = 3;
  // The control's own stops, before any are set and past the last one set: every half
  // inch, 720 twips at 96 dots per inch.
  static constexpr int kDefaultTabStopPixels = 48;
  static constexpr int kMaxTabStops = 32;  // the most a paragraph holds
  static constexpr int kEdgeWidth = 2;  // the sunken edge round the inside

  // The initial text is the control's creation text, not a request.
  RichEdit(ui::ControlId id, ui::Rect rect, RichEditHost& host, std::string_view initialText = {});

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
  // The look set on this character; nullopt while it has the control's own font.
  std::optional<ui::TextLook> LookAt(int charPos) const;

  std::string Text() const override;
  int TextLength() const override;
  void SetText(std::string_view text) override;
  void SetTextLimit(int limit) override;
  int TextLimit() const override { return textLimit_; }

  int FirstVisibleLine() const override;
  ui::Point ScrollPosition() const override;
  void SetScrollPosition(ui::Point position) override;
  void LineScroll(int lines) override;
  ui::Point PositionFromChar(int charPos) const override;
  ui::Point CaretPoint() const override;
  int CharFromPosition(ui::Point position) const override;
  void SetRedraw(bool on) override { redraw_ = on; }
  void ShowWholeRows(int rowHeight, int maxRows) override;

  void SetEventMask(std::uint32_t mask) override { eventMask_ = mask; }
  std::uint32_t EventMask() const override { return eventMask_; }
  void SetBackground(ui::Colour colour) override { background_ = colour; }
  void SetFont(const ui::FontSpec& font) override;
  void SetDefaultTextColour(ui::Colour colour) override { defaultColour_ = colour; }
  void SetTabStops(int width) override;
  void SetMessageFilter(ui::MessageFilter filter) override { filter_ = std::move(filter); }

  // A key or mouse message as the user's input produces it: the filter first, then
  // the control's own handling unless the filter consumed it.
  void Input(ui::InputMessage message);

  // Headless only: the view's geometry, what a test may want to see, request counts.
  ui::Point PointOfChar(int charPos) const { return PointOf(charPos); }  // uncounted
  void SetLineHeight(int pixels);
  int LineHeight() const { return lineHeight_; }
  int CharWidth() const { return charWidth_; }
  void SetClientRect(ui::Rect rect) { rect_ = rect; }
  int VisibleRows() const;
  int ViewHeight() const;  // the pixels of text in view
  bool IsRedrawOn() const { return redraw_; }
  ui::Colour Background() const { return background_; }
  const ui::FontSpec& Font() const { return font_; }
  ui::Colour DefaultTextColour() const { return defaultColour_; }
  const RequestCounts& Counts() const { return counts_; }
  long Count(Request kind) const { return counts_.Count(kind); }
  void ResetCounts() { counts_.Reset(); }

 private:
  // Uncounted internals shared by the requests and the default input handling.
  int Caret() const { return caret_; }
  int SelectionStart() const { return std::min(anchor_, caret_); }
  int SelectionEnd() const { return std::max(anchor_, caret_); }
  void Select(int anchor, int caret);
  void ReplaceRange(int start, int end, std::string_view crText);
  ui::Colour InsertColour(int pos) const;
  void NotifyChanged();
  int InsideHeight() const { return std::max(0, rect_.height - 2 * kEdgeWidth); }
  int FirstLine() const { return scrollY_ / lineHeight_; }
  // The view scrolls by pixels, no further than puts the last line at its bottom.
  void ScrollToPixel(int y);
  void ScrollTo(int firstLine) { ScrollToPixel(firstLine * lineHeight_); }
  void ScrollCaretIntoView();
  ui::Point PointOf(int pos) const;
  int PosAtPoint(ui::Point point) const;
  int PosAtX(int line, int x) const;
  int XOf(int pos) const;  // from the line's left edge, before the one-pixel margin
  int NextTabStop(int x) const;

  // Default handling (rich_edit_input.cpp).
  void HandleKeyDown(int virtualKey);
  void HandleChar(int character);
  void HandleMouse(const ui::InputMessage& message);
  void MoveCaret(int pos, bool extend);
  void MoveCaretByLines(int lines, bool extend);
  void DeleteForKey(bool backwards);
  void InsertTyped(std::string_view crText);

  ui::ControlId id_;
  ui::Rect rect_;
  RichEditHost& host_;
  TextBuffer buffer_;
  std::vector<ui::TextLook> looks_;  // look k of the buffer is looks_[k - 1]
  int anchor_ = 0;
  int caret_ = 0;
  int desiredX_ = -1;  // kept across Up and Down, as the control does
  int textLimit_ = kDefaultTextLimit;
  int scrollY_ = 0;  // pixels of text above the view
  int lineHeight_ = kDefaultLineHeight;
  int wholeRowHeight_ = 0;  // 0: the text fills the inside
  int maxWholeRows_ = 0;
  int charWidth_ = kDefaultCharWidth;
  int tabStopPixels_ = 0;  // 0: the control's own stops
  bool redraw_ = true;
  std::uint32_t eventMask_ = 0;
  ui::Colour background_ = ui::Rgb(255, 255, 255);
  ui::Colour defaultColour_ = ui::Rgb(0, 0, 0);
  ui::FontSpec font_{"Courier New", 10};
  ui::MessageFilter filter_;
  mutable RequestCounts counts_;  // a measuring device, not state of the text
};

}  // namespace headless
