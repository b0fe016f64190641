// Bookmarks as a user makes them: a line clicked in the editor is added with a description,
// added again, removed and cleared; the list jumps to its lines; lines typed or deleted
// above a bookmark carry it along, and it goes with its own line; the state file keeps them.
#include <gtest/gtest.h>

#include "base/control_ids.h"
#include "navigation/bookmark_dialog.h"
#include "scenarios/file_commands_fixture.h"
#include "view/bookmark_pane.h"
#include "view/notices.h"

namespace editor {
namespace {

std::string NumberedLines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += "x" + std::to_string(i) + " = " + std::to_string(i) + "\r\n";
  return text;
}

class Bookmarks : public FileCommandsTest {
 protected:
  void OpenNumbered(int lines = 40) {
    Open(Source("prog.iwb", NumberedLines(lines)));
    Main().Focus(kEditor);
  }
  // A click on the line's start, and the timer tick that moves the gutter's marker there.
  void ClickLine(int line) {
    driver_.LeftClickAt(Main(), kEditor, Edit().LineIndex(line - 1));
    ASSERT_TRUE(driver_.TickTimer(Main(), kPositionTimer));
  }
  void CaretToLineStart(int line) {
    const int at = Edit().LineIndex(line - 1);
    Edit().SetSelection(at, at);
  }
  // The next "Description" window gets this text and OK.
  void DescribeAs(const std::string& text) {
    driver_.WhenWindowOpens(std::string(kBookmarkDialogCaption), [this, text](ui::Window& w) {
      w.SetText(bookmark_dialog::kDescriptionBox, text);
      driver_.Click(w, bookmark_dialog::kOkButton);
    });
  }
  bool AddBookmark() { return driver_.Click(Main(), kAddBookmarkButton); }
  std::vector<std::string> Entries() {
    std::vector<std::string> entries;
    for (int i = 0; i < Main().ListCount(kBookmarkCombo); ++i) entries.push_back(Main().ListText(kBookmarkCombo, i));
    return entries;
  }
  std::string NoticeText(std::size_t fromEnd = 0) {
    const auto& closed = driver_.ClosedWindows();
    return closed.size() > fromEnd ? closed[closed.size() - 1 - fromEnd].TextOf(kNoticeTextLabel) : "";
  }
  int CaretLine() { return Edit().LineFromChar(Edit().GetSelection().first) + 1; }
};

TEST_F(Bookmarks, TheClickedLineIsAddedWithItsDescriptionAndAddingItAgainLeavesOneEntry) {
  OpenNumbered();
  EXPECT_FALSE(Main().IsControlVisible(kRemoveBookmarkButton)) << "nothing to remove yet";
  EXPECT_FALSE(Main().IsControlVisible(kClearBookmarksButton));
  EXPECT_EQ(Main().Tooltip(kGoToBookmarkButton), kNoBookmarksTip);

  ClickLine(7);
  DescribeAs("open the file");
  ASSERT_TRUE(AddBookmark());
  EXPECT_EQ(Entries(), std::vector<std::string>{"7 open the file"});
  ASSERT_EQ(Main().ViewRowCount(kBookmarkList), 1);
  EXPECT_EQ(Main().ViewCell(kBookmarkList, 0, 0), "7");
  EXPECT_EQ(Main().ViewCell(kBookmarkList, 0, 1), "open the file");
  EXPECT_EQ(NoticeText(), "Line bookmarked");
  EXPECT_TRUE(Main().IsControlVisible(kRemoveBookmarkButton));
  EXPECT_TRUE(Main().IsControlVisible(kClearBookmarksButton));
  EXPECT_EQ(Main().Tooltip(kGoToBookmarkButton), kGoToBookmarkTip) << "the new bookmark is the chosen one";

  const std::size_t windowsBefore = driver_.ClosedWindows().size();
  ASSERT_TRUE(AddBookmark());
  EXPECT_EQ(Entries(), std::vector<std::string>{"7 open the file"});
  EXPECT_EQ(NoticeText(), "Line already bookmarked");
  EXPECT_EQ(driver_.ClosedWindows().size(), windowsBefore + 1) << "no description is asked for";
  EXPECT_EQ(driver_.ClosedWindows().back().caption, "Already done");

  // Closing the description window gives a bookmark without one.
  ClickLine(12);
  ASSERT_TRUE(AddBookmark());
  EXPECT_EQ(Entries(), (std::vector<std::string>{"7 open the file", "12"}));
}

TEST_F(Bookmarks, AddingWithoutAClickedLineOrPastTheEndAddsNothing) {
  OpenNumbered(5);
  // No row carries the marker.
  for (int row = 0; row < editor_.metrics.gutterLines; ++row)
    Main().SetText(kFirstGutterLabel + row, std::to_string(row + 1));
  ASSERT_TRUE(AddBookmark());
  EXPECT_TRUE(Entries().empty());
  EXPECT_EQ(driver_.ClosedWindows().back().caption, "Select a line");
  EXPECT_EQ(NoticeText(), "Click the line you want to bookmark first please");
  EXPECT_FALSE(Main().IsControlVisible(kRemoveBookmarkButton)) << "nothing was added, nothing to remove";

  // The marker on a numbered row below the last line names no line of the text.
  Main().SetText(kFirstGutterLabel + 8, "> 9");
  const std::string text = Edit().Text();
  ASSERT_TRUE(AddBookmark());
  EXPECT_TRUE(Entries().empty());
  EXPECT_EQ(NoticeText(), "Click the line you want to bookmark first please");
  EXPECT_EQ(Edit().Text(), text);
}

TEST_F(Bookmarks, RemovingTheLastHidesRemoveAndClearAndSaysThereAreNone) {
  OpenNumbered();
  ClickLine(3);
  ASSERT_TRUE(AddBookmark());
  ClickLine(9);
  ASSERT_TRUE(AddBookmark());
  ASSERT_EQ(Entries(), (std::vector<std::string>{"3", "9"}));

  // Nothing chosen: the user is asked to choose, and nothing goes.
  Main().ListSelect(kBookmarkCombo, -1);
  ASSERT_TRUE(driver_.Click(Main(), kRemoveBookmarkButton));
  EXPECT_EQ(NoticeText(), "Select a bookmark first please");
  EXPECT_EQ(Entries().size(), 2u);
  EXPECT_EQ(Main().FocusedControl(), kBookmarkCombo);

  Main().ListSelect(kBookmarkCombo, 0);
  ASSERT_TRUE(driver_.Click(Main(), kRemoveBookmarkButton));
  EXPECT_EQ(Entries(), std::vector<std::string>{"9"});
  EXPECT_EQ(Main().ViewRowCount(kBookmarkList), 1) << "its detail row went with it";
  EXPECT_EQ(Main().ListSelected(kBookmarkCombo), -1);
  EXPECT_EQ(Main().Tooltip(kGoToBookmarkButton), kSelectBookmarkTip);
  EXPECT_TRUE(Main().IsControlVisible(kRemoveBookmarkButton));

  Main().ListSelect(kBookmarkCombo, 0);
  ASSERT_TRUE(driver_.Click(Main(), kRemoveBookmarkButton));
  EXPECT_TRUE(Entries().empty());
  EXPECT_FALSE(Main().IsControlVisible(kRemoveBookmarkButton));
  EXPECT_FALSE(Main().IsControlVisible(kClearBookmarksButton));
  EXPECT_EQ(Main().Tooltip(kGoToBookmarkButton), kNoBookmarksTip);
}

TEST_F(Bookmarks, ClearEmptiesBothListsAndGoWithNothingChosenOpensTheList) {
  OpenNumbered();
  ClickLine(3);
  ASSERT_TRUE(AddBookmark());
  ClickLine(30);
  ASSERT_TRUE(AddBookmark());
  Main().ListSelect(kBookmarkCombo, -1);
  ClickLine(1);
  ASSERT_TRUE(driver_.Click(Main(), kGoToBookmarkButton));
  EXPECT_EQ(CaretLine(), 1) << "no bookmark chosen: no jump";

  ASSERT_TRUE(driver_.Click(Main(), kClearBookmarksButton));
  EXPECT_TRUE(Entries().empty());
  EXPECT_EQ(Main().ViewRowCount(kBookmarkList), 0);
  EXPECT_FALSE(Main().IsControlVisible(kRemoveBookmarkButton));
  EXPECT_EQ(Main().Tooltip(kGoToBookmarkButton), kNoBookmarksTip);
  ASSERT_TRUE(driver_.Click(Main(), kGoToBookmarkButton));
  EXPECT_EQ(CaretLine(), 1);
}

TEST_F(Bookmarks, ChoosingOneJumpsWhileJumpToSelectionsIsOnAndGoAlwaysJumps) {
  OpenNumbered();
  ClickLine(25);
  ASSERT_TRUE(AddBookmark());
  ClickLine(2);
  editor_.view.jumpToSelections = false;
  ASSERT_TRUE(driver_.PickListEntry(Main(), kBookmarkCombo, 0));
  EXPECT_EQ(CaretLine(), 2);
  EXPECT_EQ(Main().Tooltip(kGoToBookmarkButton), kGoToBookmarkTip);
  ASSERT_TRUE(driver_.Click(Main(), kGoToBookmarkButton));
  EXPECT_EQ(CaretLine(), 25);
  EXPECT_EQ(Main().GetText(kLineNumberBox), "25");
  EXPECT_EQ(Main().FocusedControl(), kEditor);

  ClickLine(2);
  editor_.view.jumpToSelections = true;
  ASSERT_TRUE(driver_.PickListEntry(Main(), kBookmarkCombo, 0));
  EXPECT_EQ(CaretLine(), 25);
}

TEST_F(Bookmarks, AJumpToABookmarkRecordsWhereItLeftFromAndLandedOnWhilePlacesAreRemembered) {
  OpenNumbered();
  ClickLine(33);
  ASSERT_TRUE(AddBookmark());
  editor_.view.rememberPlaces = true;
  ClickLine(4);
  ASSERT_TRUE(driver_.Click(Main(), kGoToBookmarkButton));
  ASSERT_EQ(Main().ListCount(kPlacesCombo), 2);
  EXPECT_EQ(Main().ListText(kPlacesCombo, 0), "4");
  EXPECT_EQ(Main().ListText(kPlacesCombo, 1), "33");
  EXPECT_TRUE(Main().IsControlVisible(kGoBackButton));
}

TEST_F(Bookmarks, ABookmarkPastTheEndTakesTheCaretToTheLastLineAndLeavesTheTextAlone) {
  // The file got shorter outside the editor since its state was written.
  WriteFile(start_ / "Res" / "prog.txt", ":bmk-2\r\n4 near the top\r\n90 gone now\r\n");
  WriteFile(start_ / "Res" / "prog.pth", (start_ / "prog.iwb").string() + "\r\n");
  OpenNumbered(10);
  ASSERT_EQ(Entries(), (std::vector<std::string>{"4 near the top", "90 gone now"}));
  const std::string text = Edit().Text();
  Main().ListSelect(kBookmarkCombo, 1);
  ASSERT_TRUE(driver_.Click(Main(), kGoToBookmarkButton));
  EXPECT_EQ(CaretLine(), Edit().LineCount());
  EXPECT_EQ(Main().GetText(kLineNumberBox), std::to_string(Edit().LineCount()));
  EXPECT_EQ(Edit().Text(), text);
  EXPECT_EQ(Entries().size(), 2u) << "the user did not remove it";
}

TEST_F(Bookmarks, LinesTypedAboveMoveABookmarkAndDeletingThemMovesItBack) {
  OpenNumbered();
  ClickLine(20);
  DescribeAs("here");
  ASSERT_TRUE(AddBookmark());
  ClickLine(5);
  ASSERT_TRUE(AddBookmark());

  CaretToLineStart(17);
  driver_.TypeText(Main(), kEditor, "a\rb\rc\r");
  EXPECT_EQ(Entries(), (std::vector<std::string>{"23 here", "5"}));
  EXPECT_EQ(Main().ViewCell(kBookmarkList, 0, 0), "23");

  // The three lines selected whole and deleted.
  Edit().SetSelection(Edit().LineIndex(16), Edit().LineIndex(19));
  driver_.PressKey(Main(), kEditor, ui::key::kDelete);
  ASSERT_EQ(Edit().Text(), NumberedLines(40));
  EXPECT_EQ(Entries(), (std::vector<std::string>{"20 here", "5"}));

  // Undone and redone, the same steps.
  Main().Focus(kEditor);
  driver_.PressCtrlKey(Main(), 'Z');
  EXPECT_EQ(Entries(), (std::vector<std::string>{"23 here", "5"}));
  driver_.PressCtrlKey(Main(), 'Y');
  EXPECT_EQ(Entries(), (std::vector<std::string>{"20 here", "5"}));
}

TEST_F(Bookmarks, ABookmarkWhoseLineIsDeletedGoesAndTheOthersStay) {
  OpenNumbered();
  ClickLine(10);
  ASSERT_TRUE(AddBookmark());
  ClickLine(11);
  ASSERT_TRUE(AddBookmark());
  ClickLine(30);
  ASSERT_TRUE(AddBookmark());
  // Lines 10 and 11 deleted whole.
  Edit().SetSelection(Edit().LineIndex(9), Edit().LineIndex(11));
  driver_.PressKey(Main(), kEditor, ui::key::kDelete);
  EXPECT_EQ(Entries(), std::vector<std::string>{"28"});
  EXPECT_EQ(Main().ViewRowCount(kBookmarkList), 1);
  // Undo puts the text back, but not the bookmarks: they were dropped with their lines.
  Main().Focus(kEditor);
  driver_.PressCtrlKey(Main(), 'Z');
  EXPECT_EQ(Edit().Text(), NumberedLines(40));
  EXPECT_EQ(Entries(), std::vector<std::string>{"30"});
}

TEST_F(Bookmarks, TheStateFileKeepsThemAndATabSwitchBringsThemBack) {
  const auto first = Source("first.iwb", NumberedLines(30));
  const auto second = Source("second.iwb", NumberedLines(30));
  Open(first);
  Main().Focus(kEditor);
  ClickLine(8);
  DescribeAs("with: a colon");
  ASSERT_TRUE(AddBookmark());
  Open(second);
  EXPECT_TRUE(Entries().empty()) << "the other file's bookmarks are its own";
  const std::string state = Read(start_ / "Res" / "first.txt");
  EXPECT_NE(state.find(":bmk-1\r\n8 with: a colon\r\n"), std::string::npos) << state;

  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(1)));
  EXPECT_EQ(Entries(), std::vector<std::string>{"8 with: a colon"});
  ASSERT_EQ(editor_.bookmarks.size(), 1u);
  EXPECT_EQ(editor_.bookmarks[0].line, LineNumber(8));
  EXPECT_TRUE(Main().IsControlVisible(kRemoveBookmarkButton));
  // Removed, and the active tab clicked again: it stays removed.
  Main().ListSelect(kBookmarkCombo, 0);
  ASSERT_TRUE(driver_.Click(Main(), kRemoveBookmarkButton));
  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(1)));
  EXPECT_TRUE(Entries().empty());
  ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuReindexFile));
  EXPECT_TRUE(Entries().empty()) << "a re-index does not bring it back from the state file";
}

}  // namespace
}  // namespace editor
