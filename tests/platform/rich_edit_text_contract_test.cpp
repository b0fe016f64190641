// Whole-text reads and writes: nothing of the user's text may change on the way through.
#include "contract_fixture.h"

namespace contract {
namespace {

using RichEditText = ContractTest;

TEST_F(RichEditText, WholeTextComesBackWithCrLf) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetText("SUB Main\r\n  PRINT 1\r\nENDSUB\r\n");
  EXPECT_EQ(edit.Text(), "SUB Main\r\n  PRINT 1\r\nENDSUB\r\n");
}

TEST_F(RichEditText, LfOnlyAndCrOnlyBreaksBecomeLines) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetText("a\nb\nc");
  EXPECT_EQ(edit.LineCount(), 3);
  EXPECT_EQ(edit.Text(), "a\r\nb\r\nc");
  edit.SetText("a\rb");
  EXPECT_EQ(edit.LineCount(), 2);
  EXPECT_EQ(edit.Text(), "a\r\nb");
}

TEST_F(RichEditText, EveryByteButBreaksSurvivesSetAndGet) {
  ui::RichEdit& edit = MakeRichEdit();
  std::string bytes;
  for (int b = 1; b <= 255; ++b)
    if (b != '\r' && b != '\n') bytes.push_back(static_cast<char>(b));
  edit.SetText(bytes + "\r\n" + bytes);
  EXPECT_EQ(edit.Text(), bytes + "\r\n" + bytes);
  EXPECT_EQ(edit.LineCount(), 2);
  EXPECT_EQ(edit.GetLine(0, 1000), bytes + "\r");
}

// Undo reads the lines around an edit before and after it and puts the old text back.
TEST_F(RichEditText, ARangeReadsAcrossBreaksAndWhatItReadsGoesBackUnchanged) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetText("SUB Main\r\n  PRINT 1\r\nENDSUB");
  edit.SetSelection(2, 2);
  EXPECT_EQ(edit.TextRange(4, 13), "Main\r  PR");
  EXPECT_EQ(edit.TextRange(18, -1), "\rENDSUB");
  EXPECT_EQ(edit.GetSelection(), std::make_pair(2, 2)) << "the selection is left alone";
  const std::string middle = edit.TextRange(4, 19);
  edit.SetSelection(4, 19);
  edit.ReplaceSelection("x", false);
  EXPECT_EQ(edit.Text(), "SUB xENDSUB");
  edit.SetSelection(4, 5);
  edit.ReplaceSelection(middle, false);
  EXPECT_EQ(edit.Text(), "SUB Main\r\n  PRINT 1\r\nENDSUB");
}

TEST_F(RichEditText, ReplacingTheTextDropsTheOldText) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetText("first\r\nsecond\r\nthird");
  edit.SetText("only");
  EXPECT_EQ(edit.Text(), "only");
  EXPECT_EQ(edit.LineCount(), 1);
  edit.SetText("");
  EXPECT_EQ(edit.Text(), "");
  EXPECT_EQ(edit.LineCount(), 1);
}

TEST_F(RichEditText, LargeTextStreamsInWhole) {
  ui::RichEdit& edit = MakeRichEdit();
  std::string text;
  for (int i = 0; i < 5000; ++i) text += "line " + std::to_string(i) + " = " + std::string(i % 40, 'x') + "\r\n";
  edit.SetText(text);
  EXPECT_EQ(edit.LineCount(), 5001);
  EXPECT_EQ(edit.Text(), text);
  EXPECT_EQ(edit.GetLine(4999, 512).substr(0, 10), "line 4999 ");
}

TEST_F(RichEditText, TextLimitIsKeptAndCutsInsertedText) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetTextLimit(10);
  EXPECT_EQ(edit.TextLimit(), 10);
  edit.SetSelection(0, 0);
  edit.ReplaceSelection("0123456789abcdef", false);
  EXPECT_LE(edit.TextLength(), 10);
  EXPECT_EQ(edit.Text().substr(0, 5), "01234");
}

}  // namespace
}  // namespace contract
