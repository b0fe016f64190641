// Where an edit moved the lines below it: a line keeps its number when it starts before
// the edit, moves by the lines that came and went when it starts after it, and is gone
// when the edit took its first character. The references to code (subroutine and window
// rows, the ranges the colouring shades) follow their lines by it.
#pragma once

#include <optional>
#include <string_view>

#include "base/positions.h"

namespace editor {

struct LineShift {
  LineIndex line{0};          // where the edit begins
  bool atLineStart = false;   // the edit begins at the line's first character
  bool removesText = false;
  int removedLines = 0;       // breaks in the text taken away
  bool removedEndsWithBreak = false;
  int insertedLines = 0;      // breaks in the text put in
  // The text just after the edit begins a line: it follows a break put in, or, with
  // nothing put in, the break before the edit.
  bool followsBreak = false;

  int Delta() const { return insertedLines - removedLines; }
  // An edit within one line moves nothing.
  bool MovesLines() const { return removedLines != 0 || insertedLines != 0; }
};

// The shift of replacing `removed` by `inserted` at the start of `line` or within it.
LineShift ShiftOf(LineIndex line, bool atLineStart, std::string_view removed, std::string_view inserted);

// The line's index after the edit, or nullopt when the edit took its first character or
// joined it to the line before.
std::optional<LineIndex> ShiftedLine(const LineShift& shift, LineIndex line);
// The same, but a line whose start went is taken to where its remains now stand: for the
// last line of a range, which stays a range.
LineIndex ShiftedLineKept(const LineShift& shift, LineIndex line);

}  // namespace editor
