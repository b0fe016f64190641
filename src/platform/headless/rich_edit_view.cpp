// The rich edit's view: whole lines of a fixed height, scrolled by whole lines;
// characters of a fixed width, and TABs that reach the next tab stop.
#include <algorithm>

#include "platform/headless/rich_edit.h"

namespace headless {
namespace {

int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

}  // namespace

int RichEdit::FirstVisibleLine() const {
  counts_.Add(Request::kFirstVisibleLine);
  return firstLine_;
}

ui::Point RichEdit::ScrollPosition() const {
  counts_.Add(Request::kScrollPosition);
  return {0, firstLine_ * lineHeight_};
}

void RichEdit::SetScrollPosition(ui::Point position) {
  counts_.Add(Request::kSetScrollPosition);
  ScrollTo(FloorDiv(position.y, lineHeight_));
}

void RichEdit::LineScroll(int lines) {
  counts_.Add(Request::kLineScroll);
  ScrollTo(firstLine_ + lines);
}

ui::Point RichEdit::PositionFromChar(int charPos) const {
  counts_.Add(Request::kPositionFromChar);
  return PointOf(charPos);
}

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

int RichEdit::VisibleRows() const { return std::max(1, rect_.height / lineHeight_); }

void RichEdit::ScrollTo(int firstLine) { firstLine_ = std::clamp(firstLine, 0, MaxFirstLine()); }

void RichEdit::ScrollCaretIntoView() {
  const int line = buffer_.LineOf(caret_);
  if (line < firstLine_) {
    ScrollTo(line);
  } else if (line >= firstLine_ + VisibleRows()) {
    ScrollTo(line - VisibleRows() + 1);
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
  return {1 + XOf(pos), (line - firstLine_) * lineHeight_};
}

// The gap between characters nearest to a point, as a click places the caret and as the
// real control answers for a position: a point on a character's right half is after it.
int RichEdit::PosAtPoint(ui::Point point) const {
  const int line = std::clamp(firstLine_ + FloorDiv(point.y, lineHeight_), 0, buffer_.LineCount() - 1);
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
