// The rich edit's view: lines of a fixed height, scrolled by pixels as the real control
// scrolls, and never further than puts the last line at the bottom of the view.
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

int RichEdit::CharFromPosition(ui::Point position) const {
  counts_.Add(Request::kCharFromPosition);
  return PosAtPoint(position, false);
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

ui::Point RichEdit::PointOf(int pos) const {
  pos = std::clamp(pos, 0, buffer_.Length());
  const int line = buffer_.LineOf(pos);
  return {1 + (pos - buffer_.LineStart(line)) * charWidth_, line * lineHeight_ - scrollY_};
}

// The character under a point, or with nearestBoundary the gap nearest to it, as a
// click places the caret.
int RichEdit::PosAtPoint(ui::Point point, bool nearestBoundary) const {
  const int line = std::clamp(FloorDiv(scrollY_ + point.y, lineHeight_), 0, buffer_.LineCount() - 1);
  const int x = point.x - 1 + (nearestBoundary ? charWidth_ / 2 : 0);
  const int column = std::clamp(FloorDiv(x, charWidth_), 0, buffer_.LineLengthOf(line));
  return buffer_.LineStart(line) + column;
}

}  // namespace headless
