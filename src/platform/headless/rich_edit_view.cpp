// The rich edit's view: whole lines of a fixed height, scrolled by whole lines.
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
  return PosAtPoint(position, false);
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

ui::Point RichEdit::PointOf(int pos) const {
  pos = std::clamp(pos, 0, buffer_.Length());
  const int line = buffer_.LineOf(pos);
  return {1 + (pos - buffer_.LineStart(line)) * charWidth_, (line - firstLine_) * lineHeight_};
}

// The character under a point, or with nearestBoundary the gap nearest to it, as a
// click places the caret.
int RichEdit::PosAtPoint(ui::Point point, bool nearestBoundary) const {
  const int line = std::clamp(firstLine_ + FloorDiv(point.y, lineHeight_), 0, buffer_.LineCount() - 1);
  const int x = point.x - 1 + (nearestBoundary ? charWidth_ / 2 : 0);
  const int column = std::clamp(FloorDiv(x, charWidth_), 0, buffer_.LineLengthOf(line));
  return buffer_.LineStart(line) + column;
}

}  // namespace headless
