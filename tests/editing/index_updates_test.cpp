// The index following the user's typing and pasting.
#include <gtest/gtest.h>

#include <string>

#include "editing/file_indexer.h"
#include "editing/index_updates.h"
#include "scenarios/editor_fixture.h"

namespace editor {
namespace {

std::string Blank(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "x = x + 1\r\n";
  return text;
}

class IndexUpdates : public EditorTest {
 protected:
  void SetUp() override {
    Start();
    Main().Focus(kEditor);
  }
  void Load(const std::string& text) {
    Edit().SetText(text);
    FullIndex(editor_, IndexProgress::kHidden);
    Main().Focus(kEditor);
  }
  // Types on a fresh line put in before the given 1-based line.
  void TypeOnNewLine(int line, const std::string& text) {
    const int start = Edit().LineIndex(line - 1);
    Edit().SetSelection(start, start);
    Edit().ReplaceSelection("\r", false);
    Edit().SetSelection(start, start);
    driver_.TypeText(Main(), text);
  }
  std::string Cell(int row, int column) { return Main().ViewCell(kSubroutineList, row, column); }
};

TEST_F(IndexUpdates, TypingASubAndItsEndListsBothLines) {
  Load(Blank(30));
  TypeOnNewLine(20, "SUB Draw");
  ASSERT_EQ(Main().ViewRowCount(kSubroutineList), 1);
  EXPECT_EQ(Cell(0, 0), "Draw");
  EXPECT_EQ(Cell(0, 1), "20");
  EXPECT_EQ(Cell(0, 2), "20");
  TypeOnNewLine(25, "ENDSUB");
  EXPECT_EQ(Cell(0, 2), "25");
  EXPECT_EQ(editor_.index.subroutineStarts, (std::set<LineIndex>{LineIndex(19)}));
}

TEST_F(IndexUpdates, TheNameShowsAsItIsTypedWithoutExtraRows) {
  Load(Blank(5));
  TypeOnNewLine(3, "SUB Dr");
  EXPECT_EQ(Cell(0, 0), "Dr");
  driver_.TypeText(Main(), "aw");
  ASSERT_EQ(Main().ViewRowCount(kSubroutineList), 1);
  EXPECT_EQ(Cell(0, 0), "Draw");
  ASSERT_EQ(Main().ListCount(kSubroutineCombo), 1);
  EXPECT_EQ(Main().ListText(kSubroutineCombo, 0), "Draw");
}

TEST_F(IndexUpdates, TheEndGoesToTheNewSubroutineNotToAnOlderOne) {
  Load("SUB Main\r\n" + Blank(10));
  TypeOnNewLine(6, "SUB Draw");
  TypeOnNewLine(8, "ENDSUB");
  ASSERT_EQ(Main().ViewRowCount(kSubroutineList), 2);
  EXPECT_EQ(Cell(0, 2), "1");  // Main keeps its begin line as its end
  EXPECT_EQ(Cell(1, 2), "8");
}

TEST_F(IndexUpdates, EmptyingASubLineRemovesTheSubroutine) {
  Load(Blank(3) + "SUB Gone\r\n" + Blank(3));
  ASSERT_EQ(Main().ViewRowCount(kSubroutineList), 1);
  const int start = Edit().LineIndex(3);
  Edit().SetSelection(start, start + 8);
  driver_.PressKey(Main(), ui::key::kDelete);
  EXPECT_EQ(Main().ViewRowCount(kSubroutineList), 0);
  EXPECT_EQ(Main().ListCount(kSubroutineCombo), 0);
}

TEST_F(IndexUpdates, AnExistingNameIsNotAddedTwiceByTyping) {
  Load("SUB Draw\r\n" + Blank(5));
  const int start = Edit().LineIndex(3);
  Edit().SetSelection(start, start);
  Edit().ReplaceSelection("SUB Draw\r", false);
  Edit().SetSelection(start, start);
  driver_.PressKey(Main(), ui::key::kEnd);
  EXPECT_EQ(Main().ViewRowCount(kSubroutineList), 1);
}

TEST_F(IndexUpdates, APasteAddsItsSubroutinesAndWindowsWithTheirEnds) {
  Load(Blank(4));
  const int start = Edit().LineIndex(2);
  Edit().SetSelection(start, start);
  Edit().ReplaceSelection("SUB Paint\r  PRINT 1\rENDSUB\rOPENWINDOW w2\rWAITUNTIL w2 = 0\r", false);
  UpdateAfterPaste(editor_, LineIndex(2), LineIndex(7));
  ASSERT_EQ(Main().ViewRowCount(kSubroutineList), 1);
  EXPECT_EQ(Cell(0, 0), "Paint");
  EXPECT_EQ(Cell(0, 1), "3");
  EXPECT_EQ(Cell(0, 2), "5");
  ASSERT_EQ(Main().ViewRowCount(kWindowList), 1);
  EXPECT_EQ(Main().ViewCell(kWindowList, 0, 1), "6");
  EXPECT_EQ(Main().ViewCell(kWindowList, 0, 2), "7");
  EXPECT_EQ(Main().ListText(kWindowCombo, 0), "w2");
}

TEST_F(IndexUpdates, TheWorkPerKeyDoesNotGrowWithTheLineNumber) {
  Load(Blank(30000));
  auto requestsAt = [this](int line, const char* keys) {
    const int start = Edit().LineIndex(line);
    Edit().SetSelection(start, start);
    Edit().LineScroll(line - Edit().FirstVisibleLine());  // the line at the top: no key scrolls
    Edit().ResetCounts();
    driver_.TypeText(Main(), keys);
    return Edit().Counts().LineRequests();
  };
  const long nearTheStart = requestsAt(10, "a");
  EXPECT_EQ(requestsAt(29000, "a"), nearTheStart);
  EXPECT_LT(nearTheStart, 20);
  // The next letter on the line: the caret's line found and read, and its start, which
  // the real control answers from the caret. Nothing is painted, nothing else read.
  Edit().ResetCounts();
  driver_.TypeText(Main(), "b");
  EXPECT_EQ(Edit().Counts().LineRequests(), 3);
  EXPECT_EQ(Edit().Counts().Count(headless::Request::kPositionFromChar), 0);
  // A break moves the rows below it, which asks where the edit was: two more.
  const long enterNearTheStart = requestsAt(10, "\r");
  EXPECT_EQ(requestsAt(29000, "\r"), enterNearTheStart);
  EXPECT_LT(enterNearTheStart, 25);
}

}  // namespace
}  // namespace editor
