// Swapping the sides of an operator line by line: what stays, what goes, and the breaks.
#include "model/line_transpose.h"

#include <gtest/gtest.h>

namespace editor {
namespace {

TEST(LineTranspose, AssignmentsSwapSidesKeepingTheirTabsAndTheLeftSidesTrailingBlanks) {
  EXPECT_EQ(TransposeLines("\t\tx = y\r\n", "="), "\t\ty = x \r\n");
  EXPECT_EQ(TransposeLines("a=b\r\nc  =  d(1)\r\n", "="), "b = a\r\nd(1) = c  \r\n");
  // Leading spaces are not indentation the tool keeps; TABs anywhere on the left are.
  EXPECT_EQ(TransposeLines("    x = y", "="), "y = x ");
  EXPECT_EQ(TransposeLines("\t  a\t= b", "="), "\t\tb = a\t");
  // Lines are never cut, and every byte is passed on as it is.
  const std::string longRight(100'000, 'r');
  EXPECT_TRUE(TransposeLines("x = " + longRight, "=") == longRight + " = x ");
  EXPECT_EQ(TransposeLines("\xe9t\xe9 = \x01\xff", "="), "\x01\xff = \xe9t\xe9 ");
}

TEST(LineTranspose, OnlyTheFirstOperatorCountsAndLinesWithoutOneStayAsTheyAre) {
  EXPECT_EQ(TransposeLines("a + b + c", "+"), "b + c + a ");
  EXPECT_EQ(TransposeLines("x == y", "=="), "y == x ");
  EXPECT_EQ(TransposeLines("  PRINT x\r\n\r\nx = 1", "="), "  PRINT x\r\n\r\n1 = x ");
  EXPECT_EQ(TransposeLines("a = b", "<>"), "a = b");
  EXPECT_EQ(TransposeLines("a = b", ""), "a = b") << "an empty operator changes nothing";
}

TEST(LineTranspose, BreaksBecomeCrLfAndAFinalBreakIsKept) {
  EXPECT_EQ(TransposeLines("", "="), "");
  EXPECT_EQ(TransposeLines("a=b\rc=d\ne=f", "="), "b = a\r\nd = c\r\nf = e");
  EXPECT_EQ(TransposeLines("a=b\n", "="), "b = a\r\n");
  EXPECT_EQ(TransposeLines("\r\n\r\n", "="), "\r\n\r\n");
}

}  // namespace
}  // namespace editor
