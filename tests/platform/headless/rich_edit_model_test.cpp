// Rich-edit behaviour beyond the shared contract: the colour new text takes, the
// caret kept in view, the edge values of the requests and the text limit.
#include "headless_fixture.h"

namespace headless {
namespace {

using RichEditModel = HeadlessTest;

constexpr ui::Colour kBlack = ui::Rgb(0, 0, 0);
constexpr ui::Colour kBlue = ui::Rgb(0, 0, 255);
constexpr ui::Colour kRed = ui::Rgb(255, 0, 0);

TEST_F(RichEditModel, InsertedTextTakesTheColourBeforeItOrAtALineStartTheColourAfterIt) {
  RichEdit& edit = MakeRichEdit();
  edit.SetDefaultTextColour(kBlack);
  edit.SetText("PRINT\r\nEND");
  edit.SetSelection(0, 5);
  edit.SetSelectionColour(kBlue);
  edit.SetSelection(6, 9);
  edit.SetSelectionColour(kRed);
  edit.SetSelection(5, 5);
  edit.ReplaceSelection("X", false);  // after "PRINT": blue
  EXPECT_EQ(edit.ColourAt(5), kBlue);
  edit.SetSelection(7, 7);  // start of "END": red, like the text it precedes
  edit.ReplaceSelection("Y", false);
  EXPECT_EQ(edit.ColourAt(7), kRed);
  edit.SetSelection(0, 0);
  driver_.TypeText(*window_, "Z");
  EXPECT_EQ(edit.ColourAt(0), kBlue);
}

TEST_F(RichEditModel, SelectingOrReplacingBringsTheCaretIntoView) {
  RichEdit& edit = MakeRichEdit();
  edit.SetText(Lines(100));
  edit.SetSelection(edit.LineIndex(40), edit.LineIndex(40));
  EXPECT_EQ(edit.FirstVisibleLine(), 31);  // the caret line is the last visible row
  edit.SetSelection(edit.LineIndex(35), edit.LineIndex(35));
  EXPECT_EQ(edit.FirstVisibleLine(), 31);  // already visible: the view stays
  edit.SetSelection(edit.LineIndex(5), edit.LineIndex(5));
  EXPECT_EQ(edit.FirstVisibleLine(), 5);
  edit.ReplaceSelection("a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\ni\r\nj\r\nk", false);
  EXPECT_EQ(edit.FirstVisibleLine(), 6);
}

TEST_F(RichEditModel, StreamingInStartsAtTheTopWithTheCaretAtZero) {
  RichEdit& edit = MakeRichEdit();
  edit.SetText(Lines(100));
  edit.SetSelection(-1, -1);
  edit.SetText(Lines(100));
  EXPECT_EQ(edit.FirstVisibleLine(), 0);
  EXPECT_EQ(edit.GetSelection(), std::make_pair(0, 0));
}

TEST_F(RichEditModel, SelectionEdgeValues) {
  RichEdit& edit = MakeRichEdit();
  edit.SetText("abc\r\ndef");
  edit.SetSelection(5, 2);
  EXPECT_EQ(edit.GetSelection(), std::make_pair(2, 5));
  edit.SetSelection(-1, 0);  // a negative start drops the selection at its end
  EXPECT_EQ(edit.GetSelection(), std::make_pair(5, 5));
  edit.SetSelection(100, 100);
  EXPECT_EQ(edit.GetSelection(), std::make_pair(7, 7));
  edit.SetSelection(1, 500);
  EXPECT_EQ(edit.GetSelection(), std::make_pair(1, 7));
}

TEST_F(RichEditModel, LineLengthOfMinusOneCountsTheUnselectedPartOfTheSelectedLines) {
  RichEdit& edit = MakeRichEdit();
  edit.SetText("abcdef\r\nghijkl");
  edit.SetSelection(3, 3);
  EXPECT_EQ(edit.LineLength(-1), 6);
  edit.SetSelection(3, 10);  // "def" and "ghi" unselected on the two lines
  EXPECT_EQ(edit.LineLength(-1), 6);
}

TEST_F(RichEditModel, TheTextLimitBindsInsertionsNotStreaming) {
  RichEdit& edit = MakeRichEdit();
  EXPECT_EQ(edit.TextLimit(), RichEdit::kDefaultTextLimit);
  edit.SetTextLimit(0);
  EXPECT_EQ(edit.TextLimit(), RichEdit::kZeroTextLimit);
  edit.SetTextLimit(5);
  edit.SetText("0123456789");
  EXPECT_EQ(edit.TextLength(), 10);
  edit.SetSelection(2, 4);
  edit.ReplaceSelection("abcdef", false);  // no room beyond the limit: the text is already over it
  EXPECT_EQ(edit.Text(), "01456789");
}

TEST_F(RichEditModel, ChangeNotificationsCountEveryChangeWhileTheMaskAsks) {
  RichEdit& edit = MakeRichEdit(ui::event_mask::kChange);
  driver_.TypeText(*window_, "abc");
  edit.SetText("x");
  edit.ReplaceSelection("y", true);
  EXPECT_EQ(NotifyCodesOf(kEdit).size(), 5u);
  edit.SetEventMask(0);
  edit.SetText("quiet");
  EXPECT_EQ(NotifyCodesOf(kEdit).size(), 5u);
}

TEST_F(RichEditModel, TheLineHeightSetsVisibleRowsAndPixelPositions) {
  RichEdit& edit = MakeRichEdit();
  edit.SetText(Lines(100));
  edit.SetLineHeight(20);
  EXPECT_EQ(edit.VisibleRows(), 8);
  // Pixels are kept: the line partly scrolled out still counts as the first visible.
  edit.SetScrollPosition({0, 95});
  EXPECT_EQ(edit.FirstVisibleLine(), 4);
  EXPECT_EQ(edit.ScrollPosition().y, 95);
  EXPECT_EQ(edit.PositionFromChar(edit.LineIndex(5)).y, 5);
  // No further than the last line at the bottom: 100 lines of 20 less a view of 160.
  edit.SetScrollPosition({0, 1'000'000});
  EXPECT_EQ(edit.ScrollPosition().y, 100 * 20 - 160);
  window_->MoveControl(kEdit, {0, 0, 400, 400 + 2 * RichEdit::kEdgeWidth});
  EXPECT_EQ(edit.VisibleRows(), 20);
}

}  // namespace
}  // namespace headless
