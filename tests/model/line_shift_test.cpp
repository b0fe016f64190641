// Where an edit leaves the lines after it, for the edits keys and commands make: a break
// put in or taken out before, at the start of, or after a line, and blocks of lines.
#include "model/line_shift.h"

#include <gtest/gtest.h>

namespace editor {
namespace {

struct Case {
  const char* what;
  int line;
  bool atLineStart;
  const char* removed;
  const char* inserted;
  int probe;     // a line index before the edit
  int expected;  // its index after, -1 when the edit took its start
};

constexpr Case kCases[] = {
    {"Enter at a line's end pushes the next line down", 4, false, "", "\r", 5, 6},
    {"the line the Enter was typed on stays", 4, false, "", "\r", 4, 4},
    {"Enter at a line's start pushes that line down", 4, true, "", "\r", 4, 5},
    {"undoing it brings the line back up", 4, true, "\r", "", 5, 4},
    {"and the empty line it leaves goes", 4, true, "\r", "", 4, -1},
    {"a join onto a line with text takes the joined line's start", 3, false, "\r", "", 4, -1},
    {"lines below a join move up", 3, false, "\r", "", 9, 8},
    {"lines above any edit stay", 3, false, "\r", "\r\r\r", 2, 2},
    {"three lines cut from a line's start take their starts", 2, true, "a\rb\rc\r", "", 3, -1},
    {"the line after the cut moves up to where the cut began", 2, true, "a\rb\rc\r", "", 5, 2},
    {"a cut ending mid-line takes the last line's start too", 2, true, "a\rb\rc", "", 4, -1},
    {"a paste ending in a break keeps the line it went before", 2, true, "", "x\ry\r", 2, 4},
    {"a paste ending mid-line joins the line it went before", 2, true, "", "x\ry", 2, -1},
    {"a block replaced by as many lines moves nothing after it", 2, false, "a\rb\r", "c\rd\r", 7, 7},
};

TEST(LineShift, EachLineEndsWhereItsFirstCharacterWent) {
  for (const Case& c : kCases) {
    const LineShift shift = ShiftOf(LineIndex(c.line), c.atLineStart, c.removed, c.inserted);
    const std::optional<LineIndex> after = ShiftedLine(shift, LineIndex(c.probe));
    EXPECT_EQ(after.has_value() ? after->Value() : -1, c.expected) << c.what;
  }
}

TEST(LineShift, ALineWhoseStartWentIsKeptWhereItsRemainsAre) {
  const LineShift join = ShiftOf(LineIndex(3), false, "\r", "");
  EXPECT_EQ(ShiftedLineKept(join, LineIndex(4)), LineIndex(3));
  const LineShift paste = ShiftOf(LineIndex(2), false, "a\rb\rc", "x\r");
  EXPECT_EQ(ShiftedLineKept(paste, LineIndex(4)), LineIndex(3));
  EXPECT_FALSE(ShiftOf(LineIndex(2), false, "abc", "de").MovesLines());
}

}  // namespace
}  // namespace editor
