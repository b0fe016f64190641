#include "platform/headless/text_buffer.h"

#include <algorithm>

namespace headless {

TextBuffer::TextBuffer() : lineStarts_{0} {}

std::string TextBuffer::NormaliseBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') {
      out.push_back('\r');
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out.push_back('\r');
    } else {
      out.push_back(c);
    }
  }
  return out;
}

int TextBuffer::LineLengthOf(int line) const {
  const int start = LineStart(line);
  const int next = line + 1 < LineCount() ? LineStart(line + 1) - 1 : Length();
  return next - start;
}

int TextBuffer::LineOf(int pos) const {
  const auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), pos);
  return static_cast<int>(after - lineStarts_.begin()) - 1;
}

void TextBuffer::Replace(int start, int end, std::string_view crText, ui::Colour colour) {
  const auto s = static_cast<std::size_t>(start);
  const auto removed = static_cast<std::size_t>(end - start);
  text_.replace(s, removed, crText);
  colours_.erase(colours_.begin() + start, colours_.begin() + end);
  colours_.insert(colours_.begin() + start, crText.size(), colour);
  looks_.erase(looks_.begin() + start, looks_.begin() + end);
  looks_.insert(looks_.begin() + start, crText.size(), 0);

  // Line starts inside (start, end] went with the removed breaks; later ones move.
  const int delta = static_cast<int>(crText.size()) - (end - start);
  auto first = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), start);
  auto last = std::upper_bound(first, lineStarts_.end(), end);
  for (auto it = last; it != lineStarts_.end(); ++it) *it += delta;
  first = lineStarts_.erase(first, last);
  std::vector<int> added;
  for (std::size_t i = 0; i < crText.size(); ++i)
    if (crText[i] == '\r') added.push_back(start + static_cast<int>(i) + 1);
  lineStarts_.insert(first, added.begin(), added.end());
}

void TextBuffer::SetColour(int start, int end, ui::Colour colour) {
  std::fill(colours_.begin() + start, colours_.begin() + end, colour);
}

void TextBuffer::SetLook(int start, int end, int look) {
  std::fill(looks_.begin() + start, looks_.begin() + end, look);
}

}  // namespace headless
