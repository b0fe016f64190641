// Counting brackets on the caret line and the two fields that show the counts.
#include <gtest/gtest.h>

#include "editing/bracket_counter.h"
#include "platform/headless/window.h"
#include "scenarios/editor_fixture.h"

namespace editor {
namespace {

TEST(CountBrackets, QuotedBracketsDoNotCountButCommentedOnesDo) {
  EXPECT_EQ(CountBrackets("PRINT x\r"), (BracketCounts{}));
  EXPECT_EQ(CountBrackets("PRINT \"(((\", a[1]\r"), (BracketCounts{0, 0, 1, 1}));
  EXPECT_EQ(CountBrackets("x = 1 ' (note]\r"), (BracketCounts{1, 0, 0, 1}));
  EXPECT_EQ(CountBrackets("PRINT \"open (\r"), (BracketCounts{}));
}

TEST(BracketLabels, OneBracketIsSingular) {
  EXPECT_EQ(RoundBracketText({}), " 0 ( Brackets, 0 ) Brackets");
  EXPECT_EQ(RoundBracketText({1, 2, 0, 0}), " 1 ( Bracket, 2 ) Brackets");
  EXPECT_EQ(SquareBracketText({0, 0, 1, 0}), " 1 [ Bracket, 0 ] Brackets");
}

class BracketFields : public EditorTest {
 protected:
  void ShowFor(const std::string& line) {
    Edit().SetText(line);
    Edit().SetSelection(0, 0);
    ShowBracketCounts(editor_);
  }
  ui::Colour TextColourOf(ui::ControlId id) {
    return static_cast<headless::Window&>(Main()).Find(id)->colours.value().first;
  }
};

TEST_F(BracketFields, ALineWithoutBracketsShowsNoughtsInTheTextColour) {
  Start();
  ShowFor("PRINT x");
  EXPECT_EQ(Main().GetText(kRoundBracketField), " 0 ( Brackets, 0 ) Brackets");
  EXPECT_EQ(Main().GetText(kSquareBracketField), " 0 [ Brackets, 0 ] Brackets");
  EXPECT_EQ(TextColourOf(kRoundBracketField), editor_.prefs.text);
  EXPECT_EQ(TextColourOf(kSquareBracketField), editor_.prefs.text);
}

TEST_F(BracketFields, AnUnclosedIndexIsShownInTheHighlightColour) {
  Start();
  editor_.prefs.lineHighlight = ui::Rgb(250, 10, 10);
  ShowFor("total = Add(a, b) + cells[i");
  EXPECT_EQ(Main().GetText(kRoundBracketField), " 1 ( Bracket, 1 ) Bracket");
  EXPECT_EQ(Main().GetText(kSquareBracketField), " 1 [ Bracket, 0 ] Brackets");
  EXPECT_EQ(TextColourOf(kRoundBracketField), editor_.prefs.text);
  EXPECT_EQ(TextColourOf(kSquareBracketField), ui::Rgb(250, 10, 10));
}

TEST_F(BracketFields, TypingOnALineRecountsIt) {
  Start();
  Edit().SetText("x = 1\r\ny = 2");
  Main().Focus(kEditor);
  Edit().SetSelection(7, 7);  // line 2
  driver_.TypeText(Main(), "(");
  EXPECT_EQ(Main().GetText(kRoundBracketField), " 1 ( Bracket, 0 ) Brackets");
}

}  // namespace
}  // namespace editor
