// Tab stops: where a TAB takes the text after it, with stops set in quarters of a
// character and without any, and that the stops hold for text that comes in later.
#include "contract_fixture.h"

namespace contract {
namespace {

class RichEditTabStops : public ContractTest {
 protected:
  // x of a character from the left edge of its line's text.
  int X(const ui::RichEdit& edit, int charPos) const {
    const int line = edit.LineFromChar(charPos);
    return edit.PositionFromChar(charPos).x - edit.PositionFromChar(edit.LineIndex(line)).x;
  }
  int CharWidth(const ui::RichEdit& edit) const { return X(edit, 1); }  // of a line that starts with a letter
  // x of the character after the first TAB of a line.
  int AfterTab(const ui::RichEdit& edit, int line) const {
    const std::string text = edit.GetLine(line, 1000);
    return X(edit, edit.LineIndex(line) + static_cast<int>(text.find('\t')) + 1);
  }
};

TEST_F(RichEditTabStops, ATabReachesTheFirstStopBeyondTheTextBeforeIt) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetTabStops(12);  // a stop every three characters
  edit.SetText("ab\tX\r\n\t\tY\r\nabc\tZ\r\nabcdefg\tW");
  const int stop = 3 * CharWidth(edit);
  EXPECT_EQ(AfterTab(edit, 0), stop);
  EXPECT_EQ(X(edit, edit.LineIndex(1) + 2), 2 * stop);
  EXPECT_EQ(AfterTab(edit, 2), 2 * stop) << "text that ends on a stop goes on to the next";
  EXPECT_EQ(AfterTab(edit, 3), 3 * stop);
  const ui::Point tab = edit.PositionFromChar(2);
  const int tabWidth = stop - X(edit, 2);
  EXPECT_EQ(edit.CharFromPosition({tab.x + tabWidth / 2 - 1, tab.y + 1}), 2) << "a point before the TAB's middle";
  EXPECT_EQ(edit.CharFromPosition({tab.x + tabWidth / 2, tab.y + 1}), 3);

  edit.SetTabStops(16);
  EXPECT_EQ(AfterTab(edit, 0), 4 * CharWidth(edit));
  EXPECT_EQ(AfterTab(edit, 3), 8 * CharWidth(edit));
}

TEST_F(RichEditTabStops, WithoutStopsAndPastTheLastOneTheyStandEveryHalfInch) {
  ui::RichEdit& edit = MakeRichEdit();
  const std::string longLine(33, 'x');
  edit.SetText("a\tX\r\n" + longLine + "\tY");
  EXPECT_EQ(AfterTab(edit, 0), 48);
  edit.SetTabStops(4);  // 32 stops a character apart
  const int width = CharWidth(edit);
  EXPECT_EQ(AfterTab(edit, 0), 2 * width);
  EXPECT_EQ(AfterTab(edit, 1), (33 * width / 48 + 1) * 48);
  edit.SetTabStops(0);
  EXPECT_EQ(AfterTab(edit, 0), 48);
}

TEST_F(RichEditTabStops, TypedReplacedAndStreamedTextKeepsTheStops) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetTabStops(8);
  edit.SetText("ab\tX");
  const int stop = 2 * CharWidth(edit);
  window_->Focus(kEdit);
  edit.SetSelection(-1, -1);
  env_->PressKey(*window_, kEdit, ui::key::kEnter);
  env_->TypeText(*window_, kEdit, "abc\tQ");
  EXPECT_EQ(AfterTab(edit, 1), 2 * stop);
  edit.SetSelection(0, 0);
  edit.ReplaceSelection("a\tR\r\n\tS\r\n", false);
  EXPECT_EQ(AfterTab(edit, 0), stop);
  EXPECT_EQ(AfterTab(edit, 1), stop);

  // Over a text, and then into a fresh control of many lines.
  edit.SetText("abcde\tX");
  EXPECT_EQ(AfterTab(edit, 0), 3 * stop);
  window_->DestroyControl(kEdit);
  ui::RichEdit& fresh = MakeRichEdit();
  fresh.SetTabStops(8);
  std::string text;
  for (int i = 0; i < 3000; ++i) text += "a\tPRINT " + std::to_string(i) + "\r\n";
  fresh.SetText(text);
  EXPECT_EQ(AfterTab(fresh, 2999), stop);
}

TEST_F(RichEditTabStops, TextStreamedInWithStopsSetComesInAsWithoutThem) {
  ui::RichEdit& plain = MakeRichEdit(ui::event_mask::kChange);
  plain.SetDefaultTextColour(ui::Rgb(0, 0, 128));
  std::string text;
  for (int i = 0; i < 200; ++i) text += "\tline " + std::to_string(i) + "\r\n";
  plain.SetText(text);
  const std::vector<int> plainCodes = NotifyCodesOf(kEdit);
  window_->DestroyControl(kEdit);
  events_.clear();

  ui::RichEdit& edit = MakeRichEdit(ui::event_mask::kChange);
  edit.SetDefaultTextColour(ui::Rgb(0, 0, 128));
  edit.SetTabStops(12);
  EXPECT_TRUE(NotifyCodesOf(kEdit).empty()) << "a change of stops is not a change of text";
  edit.SetText(text);
  EXPECT_EQ(NotifyCodesOf(kEdit), plainCodes);
  EXPECT_EQ(edit.Text(), text);
  EXPECT_EQ(edit.GetSelection(), (std::pair<int, int>{0, 0}));
  EXPECT_EQ(edit.FirstVisibleLine(), 0);
  EXPECT_EQ(edit.ColourAt(5), ui::Rgb(0, 0, 128));
}

TEST_F(RichEditTabStops, DownFromAfterATabKeepsTheCaretsPlaceOnTheScreen) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetText("\tab\r\nabcdefghijk");
  window_->Focus(kEdit);
  edit.SetSelection(1, 1);
  const ui::Point caret = edit.PositionFromChar(1);
  env_->PressKey(*window_, kEdit, ui::key::kDown);
  const ui::Point below = edit.PositionFromChar(edit.LineIndex(1));
  EXPECT_EQ(edit.GetSelection().first, edit.CharFromPosition({caret.x, below.y + 1}));
  EXPECT_GT(edit.GetSelection().first, edit.LineIndex(1) + 1) << "past the one character the TAB is";
}

TEST_F(RichEditTabStops, ALaterFontLeavesTheStopsWhereTheyStand) {
  ui::RichEdit& edit = MakeRichEdit();
  edit.SetTabStops(12);
  edit.SetText("ab\tX");
  const int stop = AfterTab(edit, 0);
  edit.SetFont({"Courier New", 20});
  const int twoCharacters = X(edit, 2);
  EXPECT_EQ(AfterTab(edit, 0), (twoCharacters / stop + 1) * stop);
}

}  // namespace
}  // namespace contract
