#include "base/positions.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace editor {
namespace {

// A line number and a line index are told apart by the compiler, not by comments.
static_assert(!std::is_convertible_v<LineNumber, LineIndex> && !std::is_convertible_v<LineIndex, LineNumber>);
static_assert(!std::is_constructible_v<LineIndex, LineNumber> && !std::is_constructible_v<LineNumber, LineIndex>);
static_assert(!std::is_convertible_v<int, LineNumber> && !std::is_convertible_v<int, LineIndex>);
static_assert(!std::is_convertible_v<LineNumber, int> && !std::is_convertible_v<CharPosition, int>);
static_assert(!std::is_convertible_v<CharPosition, LineIndex>);
// Offsets are counts, and so are differences; the order matters in a difference.
static_assert(LineIndex(10) + 5 == LineIndex(15) && LineNumber(10) - 3 == LineNumber(7));
static_assert(CharPosition(40) - CharPosition(25) == 15);

TEST(Positions, LineNumbersAndIndexesConvertBothWaysOneApart) {
  EXPECT_EQ(ToIndex(LineNumber(1)), LineIndex(0));
  EXPECT_EQ(ToNumber(LineIndex(0)), LineNumber(1));
  for (int n : {1, 2, 120, 20000}) EXPECT_EQ(ToNumber(ToIndex(LineNumber(n))), LineNumber(n));
  EXPECT_EQ(ToIndex(kNoLine), LineIndex(-1)) << "no line lies before the first";
}

}  // namespace
}  // namespace editor
