// The rich edit's requests: lines, selection, replacement, colours and whole text.
#include "platform/headless/rich_edit.h"

#include <algorithm>

namespace headless {

RichEdit::RichEdit(ui::ControlId id, ui::Rect rect, RichEditHost& host, std::string_view initialText)
    : id_(id), rect_(rect), host_(host) {
  buffer_.Replace(0, 0, TextBuffer::NormaliseBreaks(initialText), defaultColour_);
}

int RichEdit::LineCount() const {
  counts_.Add(Request::kLineCount);
  return buffer_.LineCount();
}

int RichEdit::LineIndex(int line) const {
  counts_.Add(Request::kLineIndex);
  if (line == -1) return buffer_.LineStart(buffer_.LineOf(caret_));
  if (line < 0 || line >= buffer_.LineCount()) return -1;
  return buffer_.LineStart(line);
}

int RichEdit::LineLength(int charPos) const {
  counts_.Add(Request::kLineLength);
  if (charPos == -1) {
    // The unselected characters of the lines the selection touches; with no selection,
    // the caret line's length.
    const int startLine = buffer_.LineOf(SelectionStart());
    const int endLine = buffer_.LineOf(SelectionEnd());
    const int endOfLastLine = buffer_.LineStart(endLine) + buffer_.LineLengthOf(endLine);
    return (SelectionStart() - buffer_.LineStart(startLine)) + std::max(0, endOfLastLine - SelectionEnd());
  }
  if (charPos < 0 || charPos > buffer_.Length()) return 0;
  return buffer_.LineLengthOf(buffer_.LineOf(charPos));
}

int RichEdit::LineFromChar(int charPos) const {
  counts_.Add(Request::kLineFromChar);
  if (charPos < 0) return buffer_.LineOf(caret_);
  return buffer_.LineOf(std::min(charPos, buffer_.Length()));
}

std::string RichEdit::GetLine(int line, int maxChars) const {
  counts_.Add(Request::kGetLine);
  if (line < 0 || line >= buffer_.LineCount() || maxChars <= 0) return {};
  const int start = buffer_.LineStart(line);
  const bool hasBreak = line + 1 < buffer_.LineCount();
  const int withBreak = buffer_.LineLengthOf(line) + (hasBreak ? 1 : 0);
  return buffer_.Chars().substr(static_cast<std::size_t>(start), static_cast<std::size_t>(std::min(withBreak, maxChars)));
}

void RichEdit::SetSelection(int start, int end) {
  counts_.Add(Request::kSetSelection);
  const int length = buffer_.Length();
  desiredX_ = -1;
  if (start == end && (end < 0 || end > length)) {
    Select(length, length);
  } else if (start < 0) {
    // A negative start drops the selection, leaving the caret at its end.
    Select(SelectionEnd(), SelectionEnd());
  } else {
    if (end < 0 || end > length) end = length;
    Select(std::min(start, length), end);
  }
  ScrollCaretIntoView();
}

std::pair<int, int> RichEdit::GetSelection() const {
  counts_.Add(Request::kGetSelection);
  return {SelectionStart(), SelectionEnd()};
}

std::string RichEdit::SelectedText() const {
  counts_.Add(Request::kSelectedText);
  return buffer_.Chars().substr(static_cast<std::size_t>(SelectionStart()),
                                static_cast<std::size_t>(SelectionEnd() - SelectionStart()));
}

std::string RichEdit::TextRange(int start, int end) const {
  counts_.Add(Request::kTextRange);
  const int length = buffer_.Length();
  if (end < 0 || end > length) end = length;
  start = std::clamp(start, 0, end);
  return buffer_.Chars().substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
}

void RichEdit::ReplaceSelection(std::string_view text, bool /*canUndo*/) {
  counts_.Add(Request::kReplaceSelection);
  std::string crText = TextBuffer::NormaliseBreaks(text);
  const int room = textLimit_ - (buffer_.Length() - (SelectionEnd() - SelectionStart()));
  if (static_cast<int>(crText.size()) > room) crText.resize(static_cast<std::size_t>(std::max(0, room)));
  desiredX_ = -1;
  ReplaceRange(SelectionStart(), SelectionEnd(), crText);
  ScrollCaretIntoView();
  NotifyChanged();
}

void RichEdit::SetSelectionColour(ui::Colour colour) {
  counts_.Add(Request::kSetSelectionColour);
  buffer_.SetColour(SelectionStart(), SelectionEnd(), colour);
}

void RichEdit::SetSelectionLook(const ui::TextLook& look) {
  counts_.Add(Request::kSetSelectionLook);
  auto known = std::find(looks_.begin(), looks_.end(), look);
  if (known == looks_.end()) known = looks_.insert(looks_.end(), look);
  buffer_.SetLook(SelectionStart(), SelectionEnd(), static_cast<int>(known - looks_.begin()) + 1);
}

std::optional<ui::TextLook> RichEdit::LookAt(int charPos) const {
  if (charPos < 0 || charPos >= buffer_.Length() || buffer_.LookAt(charPos) == 0) return std::nullopt;
  return looks_[static_cast<std::size_t>(buffer_.LookAt(charPos) - 1)];
}

ui::Colour RichEdit::ColourAt(int charPos) const {
  counts_.Add(Request::kColourAt);
  if (charPos >= 0 && charPos < buffer_.Length()) return buffer_.ColourAt(charPos);
  return buffer_.Length() > 0 ? buffer_.ColourAt(buffer_.Length() - 1) : defaultColour_;
}

std::string RichEdit::Text() const {
  counts_.Add(Request::kText);
  std::string out;
  out.reserve(buffer_.Chars().size() + static_cast<std::size_t>(buffer_.LineCount()));
  for (char c : buffer_.Chars()) {
    out.push_back(c);
    if (c == '\r') out.push_back('\n');
  }
  return out;
}

int RichEdit::TextLength() const {
  counts_.Add(Request::kTextLength);
  return buffer_.Length();
}

// Streamed text replaces everything in the default colour; the text limit does not
// apply to plain text streamed in.
void RichEdit::SetText(std::string_view text) {
  counts_.Add(Request::kSetText);
  const std::string crText = TextBuffer::NormaliseBreaks(text);
  buffer_.Replace(0, buffer_.Length(), crText, defaultColour_);
  Select(0, 0);
  desiredX_ = -1;
  scrollY_ = 0;
  NotifyChanged();
}

void RichEdit::SetTextLimit(int limit) { textLimit_ = limit <= 0 ? kZeroTextLimit : limit; }

void RichEdit::Select(int anchor, int caret) {
  anchor_ = anchor;
  caret_ = caret;
}

void RichEdit::ReplaceRange(int start, int end, std::string_view crText) {
  buffer_.Replace(start, end, crText, InsertColour(start));
  ScrollToPixel(scrollY_);  // a shorter text may end above the view's bottom
  const int after = start + static_cast<int>(crText.size());
  Select(after, after);
}

// Text inserted inside a line takes the colour of the character before it; at the
// start of a line it takes the colour of the line's first character.
ui::Colour RichEdit::InsertColour(int pos) const {
  if (pos > 0 && buffer_.At(pos - 1) != '\r') return buffer_.ColourAt(pos - 1);
  if (pos < buffer_.Length()) return buffer_.ColourAt(pos);
  return defaultColour_;
}

void RichEdit::NotifyChanged() {
  if (eventMask_ & ui::event_mask::kChange) host_.NotifyFromControl(id_, ui::notify::kTextChanged);
}

}  // namespace headless
