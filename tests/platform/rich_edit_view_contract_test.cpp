// The view: first visible line, pixel scroll position and character positions on screen.
#include "contract_fixture.h"

namespace contract {
namespace {

class RichEditView : public ContractTest {
 protected:
  ui::RichEdit& MakeLongText() {
    ui::RichEdit& edit = MakeRichEdit();
    std::string text;
    for (int i = 1; i <= 200; ++i) text += "line " + std::to_string(i) + "\r\n";
    edit.SetText(text);
    return edit;
  }

  static int LineHeight(const ui::RichEdit& edit) {
    return edit.PositionFromChar(edit.LineIndex(1)).y - edit.PositionFromChar(edit.LineIndex(0)).y;
  }
};

TEST_F(RichEditView, StartsAtTheTop) {
  ui::RichEdit& edit = MakeLongText();
  EXPECT_EQ(edit.FirstVisibleLine(), 0);
  EXPECT_EQ(edit.ScrollPosition().y, 0);
  EXPECT_GT(LineHeight(edit), 0);
}

TEST_F(RichEditView, ALargerFontMakesEveryLineTaller) {
  ui::RichEdit& edit = MakeLongText();
  const int twelvePoint = LineHeight(edit);
  edit.SetFont({"Courier New", 20});
  const int twentyPoint = LineHeight(edit);
  EXPECT_GT(twentyPoint, twelvePoint);
  edit.LineScroll(10);
  EXPECT_EQ(edit.ScrollPosition().y, 10 * twentyPoint);
  edit.SetFont({"Courier New", 12});
  EXPECT_EQ(LineHeight(edit), twelvePoint);
}

TEST_F(RichEditView, LineScrollMovesTheFirstVisibleLineAndThePixelPosition) {
  ui::RichEdit& edit = MakeLongText();
  const int lineHeight = LineHeight(edit);
  edit.LineScroll(10);
  EXPECT_EQ(edit.FirstVisibleLine(), 10);
  EXPECT_EQ(edit.ScrollPosition().y, 10 * lineHeight);
  edit.LineScroll(-4);
  EXPECT_EQ(edit.FirstVisibleLine(), 6);
}

TEST_F(RichEditView, SettingThePixelPositionScrollsToThatLine) {
  ui::RichEdit& edit = MakeLongText();
  const int lineHeight = LineHeight(edit);
  edit.SetScrollPosition({0, 25 * lineHeight});
  EXPECT_EQ(edit.FirstVisibleLine(), 25);
  EXPECT_EQ(edit.ScrollPosition().y, 25 * lineHeight);
  edit.SetScrollPosition({0, 0});
  EXPECT_EQ(edit.FirstVisibleLine(), 0);
}

TEST_F(RichEditView, PositionsFollowTheScroll) {
  ui::RichEdit& edit = MakeLongText();
  const int lineHeight = LineHeight(edit);
  const ui::Point before = edit.PositionFromChar(edit.LineIndex(30));
  edit.LineScroll(20);
  const ui::Point after = edit.PositionFromChar(edit.LineIndex(30));
  EXPECT_EQ(before.y - after.y, 20 * lineHeight);
  const ui::Point top = edit.PositionFromChar(edit.LineIndex(edit.FirstVisibleLine()));
  EXPECT_GE(top.y, 0);
  EXPECT_LT(top.y, lineHeight);
}

TEST_F(RichEditView, CharFromPositionInvertsPositionFromChar) {
  ui::RichEdit& edit = MakeLongText();
  for (int charPos : {0, 3, edit.LineIndex(5) + 2, edit.LineIndex(12)}) {
    const ui::Point p = edit.PositionFromChar(charPos);
    EXPECT_EQ(edit.CharFromPosition({p.x + 1, p.y + 1}), charPos) << "at " << charPos;
  }
}

TEST_F(RichEditView, ColumnsAdvanceByOneCharacterWidthInAFixedPitchFont) {
  ui::RichEdit& edit = MakeLongText();
  const int x0 = edit.PositionFromChar(0).x;
  const int x1 = edit.PositionFromChar(1).x;
  const int x4 = edit.PositionFromChar(4).x;
  EXPECT_GT(x1, x0);
  EXPECT_EQ(x4 - x0, 4 * (x1 - x0));
}

// The view scrolls by pixels and stops with the last line at its bottom: the inside of
// the control, within its two-pixel sunken edge, is no whole number of lines here.
TEST_F(RichEditView, TheEndOfTheTextComesInAtTheBottomOfTheView) {
  ui::RichEdit& edit = MakeLongText();
  const int lineHeight = LineHeight(edit);
  const int inside = kEditRect.height - 4;
  const int last = edit.LineIndex(edit.LineCount() - 1);
  env_->PressCtrlKey(*window_, kEdit, ui::key::kEnd);
  EXPECT_EQ(edit.GetSelection(), std::make_pair(last, last));
  EXPECT_EQ(edit.PositionFromChar(last).y + lineHeight, inside);
  EXPECT_NE(edit.ScrollPosition().y % lineHeight, 0);
  edit.SetScrollPosition({0, 0});
  edit.SetScrollPosition({0, 1'000'000});
  EXPECT_EQ(edit.PositionFromChar(last).y + lineHeight, inside) << "no further than the end";
}

// Whole rows only: whatever comes into view lands on a row, even when a long line
// brings a horizontal scroll bar that takes some of the inside.
TEST_F(RichEditView, AViewOfWholeRowsScrollsByWholeRows) {
  ui::RichEdit& edit = MakeLongText();
  const int lineHeight = LineHeight(edit);
  edit.ShowWholeRows(lineHeight, 10);
  const int last = edit.LineIndex(edit.LineCount() - 1);
  env_->PressCtrlKey(*window_, kEdit, ui::key::kEnd);
  EXPECT_EQ(edit.ScrollPosition().y % lineHeight, 0);
  EXPECT_EQ(edit.PositionFromChar(last).y, 9 * lineHeight);

  edit.SetSelection(0, 0);
  edit.SetSelection(edit.LineIndex(50), edit.LineIndex(50));
  EXPECT_EQ(edit.FirstVisibleLine(), 41);
  EXPECT_EQ(edit.ScrollPosition().y, 41 * lineHeight);

  edit.SetText(std::string(1000, 'w') + "\r\n" + std::string(edit.Text()));
  env_->PressCtrlKey(*window_, kEdit, ui::key::kEnd);
  EXPECT_EQ(edit.ScrollPosition().y % lineHeight, 0);
  EXPECT_EQ(edit.PositionFromChar(edit.LineIndex(edit.LineCount() - 1)).y, 9 * lineHeight);

  // More rows than fit: as many as do.
  edit.ShowWholeRows(lineHeight, 1000);
  env_->PressCtrlKey(*window_, kEdit, ui::key::kEnd);
  EXPECT_EQ(edit.ScrollPosition().y % lineHeight, 0);
  EXPECT_LE(edit.PositionFromChar(edit.LineIndex(edit.LineCount() - 1)).y + lineHeight, kEditRect.height - 4);
}

}  // namespace
}  // namespace contract
