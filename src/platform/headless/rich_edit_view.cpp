// The rich edit's view: lines of a fixed height, scrolled by pixels as the real control
// scrolls, and never further than puts the last line at the bottom of the view;
// characters of a fixed width, and TABs that reach the next tab stop.
#include <algorithm>

#include "platform/headless/rich_edit.h"

namespace headless {
namespace {

int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

}  // namespace

int RichEdit::FirstVisibleLine() const {
  counts_.Add(Request::kFirstVisibleLine);
  return FirstLine();
}

ui::Point RichEdit::ScrollPosition() const {
  counts_.Add(Request::kScrollPosition);
  return {0, scrollY_};
}

void RichEdit::SetScrollPosition(ui::Point position) {
  counts_.Add(Request::kSetScrollPosition);
  ScrollToPixel(position.y);
}

void RichEdit::LineScroll(int lines) {
  counts_.Add(Request::kLineScroll);
  ScrollToPixel(scrollY_ + lines * lineHeight_);
}

ui::Point RichEdit::PositionFromChar(int charPos) const {
  counts_.Add(Request::kPositionFromChar);
  return PointOf(charPos);
}

// Asked of the caret, not of the text: no request is counted.
ui::Point RichEdit::CaretPoint() const { return PointOf(caret_); }

int RichEdit::CharFromPosition(ui::Point position) const {
  counts_.Add(Request::kCharFromPosition);
  return PosAtPoint(position);
}

void RichEdit::SetLineHeight(int pixels) { lineHeight_ = std::max(1, pixels); }

// Lines grow with the font, as on the real control: one point is 4/3 of a pixel at 96
// dots per inch, so the editor's Courier New 12 gives 16 pixels.
void RichEdit::SetFont(const ui::FontSpec& font) {
  font_ = font;
  if (font.pointSize > 0) SetLineHeight((font.pointSize * 4 + 1) / 3);
}

void RichEdit::ShowWholeRows(int rowHeight, int maxRows) {
  wholeRowHeight_ = std::max(0, rowHeight);
  maxWholeRows_ = std::max(1, maxRows);
  ScrollToPixel(scrollY_);
}

int RichEdit::ViewHeight() const {
  if (wholeRowHeight_ == 0) return InsideHeight();
  return std::clamp(InsideHeight() / wholeRowHeight_, 1, maxWholeRows_) * wholeRowHeight_;
}

int RichEdit::VisibleRows() const { return std::max(1, ViewHeight() / lineHeight_); }

void RichEdit::ScrollToPixel(int y) {
  const int textHeight = buffer_.LineCount() * lineHeight_;
  scrollY_ = std::clamp(y, 0, std::max(0, textHeight - ViewHeight()));
}

// A line above the view comes in at the top, one below it at the bottom, whole.
void RichEdit::ScrollCaretIntoView() {
  const int top = buffer_.LineOf(caret_) * lineHeight_;
  if (top < scrollY_) {
    ScrollToPixel(top);
  } else if (top + lineHeight_ > scrollY_ + ViewHeight()) {
    ScrollToPixel(top + lineHeight_ - ViewHeight());
  }
}

// A TAB ends at the first stop beyond the text before it: the set stops, then the
// control's own half-inch ones, as the real control places them.
int RichEdit::NextTabStop(int x) const {
  const int lastSet = tabStopPixels_ * kMaxTabStops;
  if (x < lastSet) return (x / tabStopPixels_ + 1) * tabStopPixels_;
  return (x / kDefaultTabStopPixels + 1) * kDefaultTabStopPixels;
}

int RichEdit::XOf(int pos) const {
  const int start = buffer_.LineStart(buffer_.LineOf(pos));
  const std::string_view before = std::string_view(buffer_.Chars()).substr(static_cast<std::size_t>(start),
                                                                             static_cast<std::size_t>(pos - start));
  if (before.find('\t') == std::string_view::npos) return static_cast<int>(before.size()) * charWidth_;
  int x = 0;
  for (char c : before) x = c == '\t' ? NextTabStop(x) : x + charWidth_;
  return x;
}

ui::Point RichEdit::PointOf(int pos) const {
  pos = std::clamp(pos, 0, buffer_.Length());
  const int line = buffer_.LineOf(pos);
  return {1 + XOf(pos), line * lineHeight_ - scrollY_};
}

// The gap between characters nearest to a point, as a click places the caret and as the
// real control answers for a position: a point on a character's right half is after it.
int RichEdit::PosAtPoint(ui::Point point) const {
  const int line = std::clamp(FloorDiv(scrollY_ + point.y, lineHeight_), 0, buffer_.LineCount() - 1);
  return PosAtX(line, point.x);
}

int RichEdit::PosAtX(int line, int x) const {
  const int start = buffer_.LineStart(line);
  const int length = buffer_.LineLengthOf(line);
  const int target = x - 1;
  int left = 0;
  for (int column = 0; column < length; ++column) {
    const char c = buffer_.At(start + column);
    const int right = c == '\t' ? NextTabStop(left) : left + charWidth_;
    if (2 * target < left + right) return start + column;
    left = right;
  }
  return start + length;
}

void RichEdit::SetTabStops(int width) {
  tabStopPixels_ = width > 0 ? std::max(1, (width * charWidth_ + 2) / 4) : 0;
}

}  // namespace headless
