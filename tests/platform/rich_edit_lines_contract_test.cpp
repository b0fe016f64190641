// Line arithmetic of the rich edit: what every line-by-line pass of the editor relies on.
#include "contract_fixture.h"

namespace contract {
namespace {

using RichEditLines = ContractTest;

TEST_F(RichEditLines, EmptyControlHasOneEmptyLine) {
  ui::RichEdit& edit = MakeRichEdit();
  EXPECT_EQ(edit.LineCount(), 1);
  EXPECT_EQ(edit.LineIndex(0), 0);
  EXPECT_EQ(edit.LineLength(0), 0);
  EXPECT_EQ(edit.GetLine(0, 512), "");
  EXPECT_EQ(edit.TextLength(), 0);
}

TEST_F(RichEditLines, CrLfSeparatesLinesAndCountsAsOnePosition) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetText("a\r\nb");
  EXPECT_EQ(edit.LineCount(), 2);
  EXPECT_EQ(edit.LineIndex(0), 0);
  EXPECT_EQ(edit.LineIndex(1), 2);
  EXPECT_EQ(edit.TextLength(), 3);
  EXPECT_EQ(edit.LineFromChar(0), 0);
  EXPECT_EQ(edit.LineFromChar(1), 0);  // the break belongs to the line it ends
  EXPECT_EQ(edit.LineFromChar(2), 1);
}

TEST_F(RichEditLines, LineIndexBeyondTheLastLineIsMinusOne) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetText("one\r\ntwo");
  EXPECT_EQ(edit.LineIndex(2), -1);
  EXPECT_EQ(edit.LineIndex(50), -1);
}

TEST_F(RichEditLines, LineIndexOfMinusOneIsTheCaretLine) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetText("one\r\ntwo\r\nthree");
  edit.SetSelection(10, 10);
  EXPECT_EQ(edit.LineIndex(-1), 8);
}

TEST_F(RichEditLines, LineLengthIsOfTheLineHoldingThePositionWithoutItsBreak) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetText("PRINT\r\nx = 1\r\n\r\nEND");
  EXPECT_EQ(edit.LineLength(edit.LineIndex(0)), 5);
  EXPECT_EQ(edit.LineLength(edit.LineIndex(1) + 3), 5);
  EXPECT_EQ(edit.LineLength(edit.LineIndex(2)), 0);
  EXPECT_EQ(edit.LineLength(edit.LineIndex(3)), 3);
}

TEST_F(RichEditLines, GetLineKeepsTheTrailingCrAndTheLastLineHasNone) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetText("SUB Main\r\nENDSUB");
  EXPECT_EQ(edit.GetLine(0, 512), "SUB Main\r");
  EXPECT_EQ(edit.GetLine(1, 512), "ENDSUB");
}

TEST_F(RichEditLines, GetLineHonoursTheBufferSize) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetText("abcdefghij\r\nk");
  EXPECT_EQ(edit.GetLine(0, 4), "abcd");
  EXPECT_EQ(edit.GetLine(0, 10), "abcdefghij");
  EXPECT_EQ(edit.GetLine(0, 11), "abcdefghij\r");
}

TEST_F(RichEditLines, TrailingBreakMakesAnEmptyLastLine) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetText("a\r\nb\r\n");
  EXPECT_EQ(edit.LineCount(), 3);
  EXPECT_EQ(edit.GetLine(1, 512), "b\r");
  EXPECT_EQ(edit.GetLine(2, 512), "");
  EXPECT_EQ(edit.LineIndex(2), 4);
}

TEST_F(RichEditLines, LongLinesDoNotWrap) {
  ui::RichEdit& edit = MakeRichEdit();
  const std::string longLine(600, 'x');
  edit.SetText(longLine + "\r\nend");
  EXPECT_EQ(edit.LineCount(), 2);
  EXPECT_EQ(edit.LineLength(0), 600);
  EXPECT_EQ(edit.GetLine(0, 1000), longLine + "\r");
}

}  // namespace
}  // namespace contract
