// The text of a rich edit as the control keeps it: one CR per paragraph break, a colour
// per character, and an index of line starts so that line arithmetic stays cheap.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/types.h"

namespace headless {

class TextBuffer {
 public:
  TextBuffer();

  // Any mix of CR LF, LF and CR becomes one CR per break.
  static std::string NormaliseBreaks(std::string_view text);

  int Length() const { return static_cast<int>(text_.size()); }
  const std::string& Chars() const { return text_; }
  char At(int pos) const { return text_[static_cast<std::size_t>(pos)]; }

  int LineCount() const { return static_cast<int>(lineStarts_.size()); }
  int LineStart(int line) const { return lineStarts_[static_cast<std::size_t>(line)]; }
  // Length of the line without its break.
  int LineLengthOf(int line) const;
  int LineOf(int pos) const;
  int ColumnOf(int pos) const { return pos - LineStart(LineOf(pos)); }

  // Replaces [start, end) with text that already has CR breaks, in one colour.
  void Replace(int start, int end, std::string_view crText, ui::Colour colour);
  void SetColour(int start, int end, ui::Colour colour);
  ui::Colour ColourAt(int pos) const { return colours_[static_cast<std::size_t>(pos)]; }
  // A look number per character, kept by the control; text put in has look 0, the
  // control's own font.
  void SetLook(int start, int end, int look);
  int LookAt(int pos) const { return looks_[static_cast<std::size_t>(pos)]; }

 private:
  std::string text_;
  std::vector<ui::Colour> colours_;
  std::vector<int> looks_;
  std::vector<int> lineStarts_;  // always holds 0 for the first line
};

}  // namespace headless
