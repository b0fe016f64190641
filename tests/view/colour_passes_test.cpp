// Colouring lines in the control: which lines a pass touches, what it leaves alone, and
// how few requests it needs.
#include <gtest/gtest.h>

#include <string>

#include "editing/file_indexer.h"
#include "scenarios/editor_fixture.h"
#include "view/colour_passes.h"
#include "view/main_window.h"

namespace editor {
namespace {

class NoNames final : public LocalNames {
 public:
  bool IsSubroutine(std::string_view) const override { return false; }
  bool IsWindow(std::string_view) const override { return false; }
  bool IsControl(std::string_view) const override { return false; }
};

class ColourLineRules : public ::testing::Test {
 protected:
  ColourLineRules() : keywords_(KeywordColoursFrom(prefs_)), scheme_(LineColourSchemeFrom(prefs_)) {}
  LineColours Colour(std::string_view text) {
    const LineColourContext context{keywords_, KeywordCase::kUppercase, scheme_, none_, none_, names_};
    return ColourLine(text, LineIndex(0), context);
  }
  EditorPreferences prefs_;
  KeywordTable keywords_;
  LineColourScheme scheme_;
  LineRanges none_;
  NoNames names_;
};

TEST_F(ColourLineRules, ALiteralAtTheVeryStartIsNotALiteral) {
  const LineColours line = Colour("0xff\r");
  EXPECT_TRUE(line.recasings.empty());
  EXPECT_EQ(line.colours[0], prefs_.number);
  EXPECT_EQ(line.colours[1], prefs_.text);
}

TEST_F(ColourLineRules, AWordBeforeALiteralIsStillLookedUp) {
  const LineColours line = Colour("PRINT 0xff\r");
  EXPECT_EQ(line.colours[0], prefs_.keyword);
  EXPECT_EQ(line.colours[4], prefs_.keyword);
  EXPECT_EQ(line.colours[6], LineColourScheme::kHexLiteral);
  EXPECT_EQ(line.colours[9], LineColourScheme::kHexLiteral);
  EXPECT_EQ(line.recasings, (std::vector<Recasing>{{6, "0XFF"}}));
}

TEST_F(ColourLineRules, AnUnclosedQuotationRunsToTheEndAndStopsThePass) {
  const LineColours line = Colour("x = \"open PRINT\r");
  for (std::size_t i = 4; i < line.colours.size(); ++i) EXPECT_EQ(line.colours[i], prefs_.quotation) << i;
  EXPECT_TRUE(line.recasings.empty());
}

TEST_F(ColourLineRules, AWordAtTheEndOfATextWithoutABreakIsNotLookedUp) {
  EXPECT_EQ(Colour("x = print").colours[4], prefs_.text);
  EXPECT_EQ(Colour("x = print\r").colours[4], prefs_.keyword);
}

TEST(ColourRuns, ConsecutiveEqualColoursMakeOneRun) {
  EXPECT_EQ(RunsOf({1, 1, 2, 2, 2, 1}), (std::vector<ColourRun>{{0, 2, 1}, {2, 3, 2}, {5, 1, 1}}));
  EXPECT_TRUE(RunsOf({}).empty());
}

std::string Program(int subs) {
  std::string text;
  for (int i = 0; i < subs; ++i)
    text += "SUB S" + std::to_string(i) + "(a AS INT)\r\n  PRINT \"value\", a[1] ' show it\r\n  x = 0x1f + 12\r\nENDSUB\r\n";
  return text;
}

class ColourPasses : public EditorTest {
 protected:
  static constexpr ui::Colour kPaintedText = ui::Rgb(1, 2, 3);
  void Load(const std::string& text) {
    Start();
    editor_.prefs.text = kPaintedText;  // tells painted characters from untouched ones
    Edit().SetText(text);
    FullIndex(editor_, IndexProgress::kHidden);
  }
};

TEST_F(ColourPasses, TheVisiblePageKeepsCaretAndViewAndSkipsShortLines) {
  Load("x\r\n" + Program(50));
  Edit().SetScrollPosition({0, 0});
  Edit().SetSelection(20, 20);
  RunColourPass(editor_, ColourPass::kVisiblePage);
  EXPECT_EQ(Edit().GetSelection(), (std::pair<int, int>{20, 20}));
  EXPECT_EQ(Edit().FirstVisibleLine(), 0);
  EXPECT_TRUE(Edit().IsRedrawOn());
  EXPECT_EQ(Edit().ColourAt(Edit().LineIndex(1)), editor_.prefs.keyword);
  const int far = Edit().LineIndex(editor_.metrics.gutterLines + 10);
  EXPECT_NE(Edit().ColourAt(far), kPaintedText);  // beyond the page
}

TEST_F(ColourPasses, TypedKeyWordsAreRecasedAndColouredAtOnce) {
  Load("x = 1\r\n");
  Main().Focus(kEditor);
  Edit().SetSelection(0, 0);
  driver_.TypeText(Main(), "print ");
  EXPECT_EQ(Edit().GetLine(0, 100), "PRINT x = 1\r");
  EXPECT_EQ(Edit().ColourAt(2), editor_.prefs.keyword);
  EXPECT_EQ(Edit().GetSelection(), (std::pair<int, int>{6, 6}));
}

// A typed line is painted only where its colours change: after every key each character
// must stand in the colour a whole pass over the line gives it.
TEST_F(ColourPasses, TypingLeavesEveryCharacterInTheColourAWholePassGives) {
  Load("x = 1\r\nEND\r\n");
  Main().Focus(kEditor);
  const auto lineColours = [this] {
    std::vector<ui::Colour> colours;
    const int start = Edit().LineIndex(0);
    for (int i = 0; i < Edit().LineLength(start); ++i) colours.push_back(Edit().ColourAt(start + i));
    return colours;
  };
  const auto expectAsAWholePass = [&](const char* after) {
    const std::vector<ui::Colour> painted = lineColours();
    const auto selection = Edit().GetSelection();
    RunColourPass(editor_, ColourPass::kCurrentLine);
    EXPECT_EQ(painted, lineColours()) << "after " << after;
    Edit().SetSelection(selection.first, selection.second);
  };
  Edit().SetSelection(5, 5);
  for (const char* keys : {" : prin", "t", " \"a'b", "\"", " 'note", "\b\b\b\b\b\b", "\b", "12"}) {
    driver_.TypeText(Main(), keys);
    expectAsAWholePass(keys);
  }
  Edit().SetSelection(0, 0);
  driver_.TypeText(Main(), "'");
  expectAsAWholePass("a comment mark at the start");
  driver_.PressKey(Main(), ui::key::kDelete);
  expectAsAWholePass("Delete");

  EXPECT_EQ(Edit().GetLine(0, 100), "' = 1 : PRINT \"a'b12\r");

  const int inEnd = Edit().LineIndex(1) + 2;
  Edit().SetSelection(inEnd, inEnd);
  driver_.PressKey(Main(), ui::key::kLeft);
  Edit().ResetCounts();
  driver_.TypeText(Main(), "n");
  EXPECT_EQ(Edit().GetLine(1, 100), "EnND\r");
  EXPECT_EQ(Edit().Counts().Count(headless::Request::kSetSelection), 2) << "the word, and the caret back";
  Edit().ResetCounts();
  driver_.TypeText(Main(), "x");
  EXPECT_EQ(Edit().Counts().Count(headless::Request::kSetSelection), 0) << "a letter in a word of one colour";
  Edit().ResetCounts();
  driver_.PressKey(Main(), ui::key::kRight);
  EXPECT_EQ(Edit().Counts().Count(headless::Request::kSetSelection), 0) << "nothing changed: nothing painted";
}

TEST_F(ColourPasses, EnterFinishesTheLastWordOfTheLineItEnds) {
  Load("x = 1\r\n");
  Main().Focus(kEditor);
  Edit().SetSelection(Edit().TextLength(), Edit().TextLength());
  driver_.TypeText(Main(), "endsub");
  EXPECT_EQ(Edit().GetLine(1, 100), "endsub");  // no break after it yet: not a word
  driver_.PressKey(Main(), ui::key::kEnter);
  EXPECT_EQ(Edit().GetLine(1, 100), "ENDSUB\r");
  EXPECT_EQ(Edit().ColourAt(Edit().LineIndex(1)), editor_.prefs.keyword);
}

TEST_F(ColourPasses, APageNearTheEndOfALongFileNeedsFewRequests) {
  Load(Program(2500));  // 10,000 lines
  const int lines = Edit().LineCount();
  Edit().SetScrollPosition({0, (lines - 40) * Edit().LineHeight()});
  Edit().ResetCounts();
  RunColourPass(editor_, ColourPass::kVisiblePage);
  // One read of the page and one request pair per run of one colour: no per-line reads.
  EXPECT_EQ(Edit().Count(headless::Request::kGetLine), 0);
  EXPECT_EQ(Edit().Count(headless::Request::kSelectedText), 1);
  EXPECT_LT(Edit().Count(headless::Request::kSetSelection), 12 * (editor_.metrics.gutterLines + 3));
  const int first = Edit().FirstVisibleLine();
  for (int line = first; line <= first + editor_.metrics.gutterLines; ++line)
    EXPECT_NE(Edit().ColourAt(Edit().LineIndex(line)), 0u) << line;  // every visible line painted
}

TEST_F(ColourPasses, ScrollingDownALineColoursTheLineComingIntoView) {
  Load(Program(50));
  ShowEditingControls(editor_);
  const int incoming = editor_.metrics.gutterLines + 1;
  const int below = Edit().LineIndex(incoming);
  ASSERT_NE(Edit().ColourAt(below), kPaintedText);
  driver_.Scroll(Main(), kLineScrollBar, ui::scroll::kLineDown);
  EXPECT_EQ(Edit().ColourAt(below), kPaintedText);
}

}  // namespace
}  // namespace editor
