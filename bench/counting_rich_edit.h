// A rich edit that passes every request on to another and counts them, so that a timing
// on the real control can say how many requests it took and which kinds.
#pragma once

#include <string>
#include <string_view>

#include "platform/rich_edit.h"

namespace bench {

struct RequestTally {
  long all = 0;
  long lineRequests = 0;  // line index, length, from-char, get-line, set selection
  long selections = 0;
  long colours = 0;
  long textReads = 0;  // whole text or selected text
};

class CountingRichEdit final : public ui::RichEdit {
 public:
  explicit CountingRichEdit(ui::RichEdit& inner) : inner_(inner) {}

  const RequestTally& Tally() const { return tally_; }
  void ResetTally() { tally_ = {}; }

  ui::ControlId Id() const override { return inner_.Id(); }

  int LineCount() const override { Any(); return inner_.LineCount(); }
  int LineIndex(int line) const override { Line(); return inner_.LineIndex(line); }
  int LineLength(int charPos) const override { Line(); return inner_.LineLength(charPos); }
  int LineFromChar(int charPos) const override { Line(); return inner_.LineFromChar(charPos); }
  std::string GetLine(int line, int maxChars) const override { Line(); return inner_.GetLine(line, maxChars); }

  void SetSelection(int start, int end) override {
    Line();
    ++tally_.selections;
    inner_.SetSelection(start, end);
  }
  std::pair<int, int> GetSelection() const override { Any(); return inner_.GetSelection(); }
  std::string SelectedText() const override { Read(); return inner_.SelectedText(); }
  std::string TextRange(int start, int end) const override { Read(); return inner_.TextRange(start, end); }
  void ReplaceSelection(std::string_view text, bool canUndo) override {
    Any();
    inner_.ReplaceSelection(text, canUndo);
  }

  void SetSelectionColour(ui::Colour colour) override {
    Any();
    ++tally_.colours;
    inner_.SetSelectionColour(colour);
  }
  ui::Colour ColourAt(int charPos) const override { Any(); return inner_.ColourAt(charPos); }
  void SetSelectionLook(const ui::TextLook& look) override { Any(); inner_.SetSelectionLook(look); }

  std::string Text() const override { Read(); return inner_.Text(); }
  int TextLength() const override { Any(); return inner_.TextLength(); }
  void SetText(std::string_view text) override { Any(); inner_.SetText(text); }
  void SetTextLimit(int limit) override { Any(); inner_.SetTextLimit(limit); }
  int TextLimit() const override { Any(); return inner_.TextLimit(); }

  int FirstVisibleLine() const override { Any(); return inner_.FirstVisibleLine(); }
  ui::Point ScrollPosition() const override { Any(); return inner_.ScrollPosition(); }
  void SetScrollPosition(ui::Point position) override { Any(); inner_.SetScrollPosition(position); }
  void LineScroll(int lines) override { Any(); inner_.LineScroll(lines); }
  ui::Point PositionFromChar(int charPos) const override { Any(); return inner_.PositionFromChar(charPos); }
  ui::Point CaretPoint() const override { Any(); return inner_.CaretPoint(); }
  int CharFromPosition(ui::Point position) const override { Any(); return inner_.CharFromPosition(position); }
  void SetRedraw(bool on) override { Any(); inner_.SetRedraw(on); }
  void ShowWholeRows(int rowHeight, int maxRows) override { Any(); inner_.ShowWholeRows(rowHeight, maxRows); }

  void SetEventMask(std::uint32_t mask) override { Any(); inner_.SetEventMask(mask); }
  std::uint32_t EventMask() const override { Any(); return inner_.EventMask(); }
  void SetBackground(ui::Colour colour) override { Any(); inner_.SetBackground(colour); }
  void SetFont(const ui::FontSpec& font) override { Any(); inner_.SetFont(font); }
  void SetDefaultTextColour(ui::Colour colour) override { Any(); inner_.SetDefaultTextColour(colour); }
  void SetTabStops(int width) override { Any(); inner_.SetTabStops(width); }
  void SetMessageFilter(ui::MessageFilter filter) override { Any(); inner_.SetMessageFilter(std::move(filter)); }

 private:
  void Any() const { ++tally_.all; }
  void Line() const {
    Any();
    ++tally_.lineRequests;
  }
  void Read() const {
    Any();
    ++tally_.textReads;
  }

  ui::RichEdit& inner_;
  mutable RequestTally tally_;
};

}  // namespace bench
