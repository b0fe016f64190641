// The subroutine and window panes: the buttons following the selection, going to an entry
// and its end, copying and deleting one, and what a stale row or a missing end does.
#include <gtest/gtest.h>

#include "base/control_ids.h"
#include "scenarios/file_commands_fixture.h"
#include "navigation/multi_select_window.h"
#include "view/notices.h"

namespace editor {
namespace {

const std::string kProgram =
    "x = 1\r\n"                                          // 1
    "OPENWINDOW main,0,0,300,200,0,0,\"Inventory\",&Handler\r\n"  // 2
    "WAITUNTIL main = 0\r\n"                             // 3
    "\r\n"                                               // 4
    "SUB Handler\r\n"                                    // 5
    "  PRINT 1\r\n"                                      // 6
    "ENDSUB\r\n"                                         // 7
    "\r\n"                                               // 8
    "SUB Last\r\n"                                       // 9
    "ENDSUB";                                            // 10

class DeclarationLists : public FileCommandsTest {
 protected:
  void OpenProgram(const std::string& text = kProgram) {
    Open(Source("prog.iwb", text));
    Main().Focus(kEditor);
  }
  int CaretLine() { return Edit().LineFromChar(Edit().GetSelection().first) + 1; }
  void Pick(ui::ControlId combo, int entry) { ASSERT_TRUE(driver_.PickListEntry(Main(), combo, entry)); }
  void AnswerYes() {
    driver_.WhenWindowOpens(std::string(kQuestionCaption), [this](ui::Window& q) { driver_.Click(q, kYesButton); });
  }
};

TEST_F(DeclarationLists, TheButtonsAndTheirTipsFollowTheSelection) {
  OpenProgram();
  EXPECT_TRUE(Main().IsControlVisible(kGoToSubButton));
  EXPECT_FALSE(Main().IsControlVisible(kCopySubButton));
  EXPECT_FALSE(Main().IsControlVisible(kDeleteWindowButton));
  EXPECT_FALSE(Main().IsControlVisible(kMoveSubButton)) << "not built: absent";
  Pick(kSubroutineCombo, 1);
  EXPECT_TRUE(Main().IsControlVisible(kCopySubButton));
  EXPECT_EQ(Main().Tooltip(kCopySubButton), "Copy Last to the clipboard");
  EXPECT_EQ(Main().Tooltip(kDeleteSubButton), "Delete the subroutine Last");
  EXPECT_FALSE(Main().IsControlVisible(kCopyWindowButton));
  ASSERT_TRUE(driver_.Click(Main(), kClearSubSelectionButton));
  EXPECT_FALSE(Main().IsControlVisible(kCopySubButton));
  EXPECT_EQ(Main().Tooltip(kGoToSubButton), "Please select a subroutine");
}

TEST_F(DeclarationLists, GoingToAnEntryItsEndAndAWindowsHandler) {
  OpenProgram();
  ASSERT_EQ(Main().ListText(kWindowCombo, 0), "main : Inventory");
  Pick(kWindowCombo, 0);
  ASSERT_TRUE(driver_.Click(Main(), kGoToWindowButton));
  EXPECT_EQ(CaretLine(), 2) << "found by the part before \" :\"";
  ASSERT_TRUE(driver_.Click(Main(), kGoToWindowEndButton));
  EXPECT_EQ(CaretLine(), 3);
  EXPECT_EQ(Main().ViewCell(kWindowList, 0, 2), "3");
  ASSERT_TRUE(driver_.Click(Main(), kGoToHandlerButton));
  EXPECT_EQ(CaretLine(), 5);
  EXPECT_EQ(Main().ViewCell(kWindowList, 0, 3), "Handler");

  editor_.view.rememberPlaces = true;
  Pick(kSubroutineCombo, 0);
  ASSERT_TRUE(driver_.Click(Main(), kGoToSubEndButton));
  EXPECT_EQ(CaretLine(), 7);
  EXPECT_EQ(editor_.places.Lines(), (std::vector<LineNumber>{LineNumber(5), LineNumber(7)}))
      << "where the jump came from and where it went";

  editor_.view.jumpToSelections = true;
  Pick(kSubroutineCombo, 1);
  EXPECT_EQ(CaretLine(), 9);
}

TEST_F(DeclarationLists, ACopyRunsThroughTheLastLineAndAMissingEndMovesNothing) {
  OpenProgram();
  Pick(kSubroutineCombo, 1);
  ASSERT_TRUE(driver_.Click(Main(), kCopySubButton));
  EXPECT_EQ(driver_.Clipboard(), "SUB Last\r\nENDSUB");
  EXPECT_TRUE(NoticeShown("Done"));

  // Pasted at the start, the copy leaves the listed one's row as it was.
  Pick(kSubroutineCombo, 0);
  ASSERT_TRUE(driver_.Click(Main(), kGoToSubEndButton));
  ASSERT_EQ(Main().ViewCell(kSubroutineList, 0, 2), "7");
  Main().Focus(kEditor);
  Edit().SetSelection(0, 0);
  ASSERT_TRUE(driver_.PressAccelerator(Main(), 'V', true));
  driver_.PressKey(Main(), ui::key::kEnter);
  EXPECT_EQ(Main().ViewCell(kSubroutineList, 0, 2), "9") << "Handler's end moved down with it";
  EXPECT_EQ(Main().ViewCell(kSubroutineList, 1, 1), "11");
  EXPECT_EQ(Main().ViewCell(kSubroutineList, 1, 2), "12") << "Last's row not taken over by its copy";
  driver_.PressCtrlKey(Main(), 'Z');
  driver_.PressCtrlKey(Main(), 'Z');
  ASSERT_EQ(Edit().Text(), kProgram);

  // The last ENDSUB goes: "Last" has no end any more.
  Pick(kSubroutineCombo, 1);
  Main().Focus(kEditor);
  Edit().SetSelection(Edit().LineIndex(9), Edit().TextLength());
  driver_.PressKey(Main(), ui::key::kDelete);
  ASSERT_EQ(Edit().GetLine(9, 100), "");
  Edit().SetSelection(0, 0);
  ASSERT_TRUE(driver_.Click(Main(), kGoToSubEndButton));
  EXPECT_TRUE(NoticeShown("Please check"));
  EXPECT_EQ(CaretLine(), 1);
}

TEST_F(DeclarationLists, DeletingTakesTheCodeAndItsBlankLineAndCtrlZBringsItBack) {
  OpenProgram();
  Pick(kSubroutineCombo, 0);
  AnswerYes();
  ASSERT_TRUE(driver_.Click(Main(), kDeleteSubButton));
  EXPECT_EQ(Edit().Text(),
            "x = 1\r\nOPENWINDOW main,0,0,300,200,0,0,\"Inventory\",&Handler\r\nWAITUNTIL main = 0\r\n\r\nSUB Last\r\n"
            "ENDSUB");
  ASSERT_EQ(Main().ListCount(kSubroutineCombo), 1);
  EXPECT_EQ(Main().ListText(kSubroutineCombo, 0), "Last");
  EXPECT_EQ(Main().ViewCell(kSubroutineList, 0, 1), "5");
  EXPECT_FALSE(Main().IsControlVisible(kDeleteSubButton)) << "nothing is selected any more";
  driver_.PressCtrlKey(Main(), 'Z');
  EXPECT_EQ(Edit().Text(), kProgram);
  EXPECT_EQ(Main().ListCount(kSubroutineCombo), 2);

  // Without confirmations a subroutine goes at once; a window is always asked about.
  editor_.prefs.showConfirmations = false;
  Pick(kSubroutineCombo, 1);
  ASSERT_TRUE(driver_.Click(Main(), kDeleteSubButton));
  EXPECT_EQ(Main().ListCount(kSubroutineCombo), 1);
  Pick(kWindowCombo, 0);
  driver_.WhenWindowOpens(std::string(kQuestionCaption), [this](ui::Window& q) { driver_.Click(q, kNoButton); });
  ASSERT_TRUE(driver_.Click(Main(), kDeleteWindowButton));
  EXPECT_EQ(Main().ListCount(kWindowCombo), 1) << "No keeps it";
}

TEST_F(DeclarationLists, AStaleRowOrCodeRightAfterTheEndIsNeverDeleted) {
  OpenProgram("SUB One\r\nENDSUB\r\nSUB Two\r\nENDSUB\r\n");
  editor_.prefs.showConfirmations = false;
  Pick(kSubroutineCombo, 0);
  ASSERT_TRUE(driver_.Click(Main(), kDeleteSubButton));
  EXPECT_EQ(Edit().Text(), "SUB Two\r\nENDSUB\r\n") << "the line after the end held code";

  // The SUB line renamed behind the index's back: the row points at a line that no
  // longer declares it.
  Edit().SetSelection(4, 7);
  Edit().ReplaceSelection("Six", false);
  Pick(kSubroutineCombo, 0);
  ASSERT_TRUE(driver_.Click(Main(), kDeleteSubButton));
  EXPECT_TRUE(NoticeShown("Please check"));
  EXPECT_EQ(Edit().Text(), "SUB Six\r\nENDSUB\r\n");

  // Re-indexed, the last subroutine goes and leaves the lists empty.
  ASSERT_TRUE(driver_.Click(Main(), kReindexButton));
  Pick(kSubroutineCombo, 0);
  ASSERT_TRUE(driver_.Click(Main(), kDeleteSubButton));
  EXPECT_EQ(Edit().Text(), "");
  EXPECT_EQ(Main().ListCount(kSubroutineCombo), 0);
  EXPECT_EQ(Main().ViewRowCount(kSubroutineList), 0);
}

TEST_F(DeclarationLists, TheMultiSelectWindowCopiesThePickedEntriesInOrder) {
  OpenProgram();
  Pick(kSubroutineCombo, 0);
  bool buttonsWaited = false;
  driver_.WhenWindowOpens("Subroutine details - multi select option", [&](ui::Window& w) {
    ASSERT_EQ(w.ViewRowCount(multi_select::kList), 2);
    EXPECT_EQ(w.ViewCell(multi_select::kList, 1, 0), "Last");
    EXPECT_EQ(w.ViewCell(multi_select::kList, 1, 1), "9");
    EXPECT_EQ(w.ViewCell(multi_select::kList, 0, 2), "7") << "ends found in the text, not the lists' guesses";
    buttonsWaited = !w.IsControlVisible(multi_select::kCopyButton);
    ASSERT_TRUE(driver_.ListViewClick(w, multi_select::kList, 1));
    w.ViewSelect(multi_select::kList, 0, true);
    ASSERT_TRUE(driver_.Click(w, multi_select::kCopyButton));
    driver_.Click(w, multi_select::kCloseButton);
  });
  ASSERT_TRUE(driver_.Click(Main(), kSubMultiSelectButton));
  EXPECT_TRUE(buttonsWaited) << "the copy button shows once a row is clicked";
  EXPECT_EQ(driver_.Clipboard(), "SUB Handler\r\n  PRINT 1\r\nENDSUB\r\nSUB Last\r\nENDSUB\r\n");
  EXPECT_TRUE(NoticeShown("Done"));

  // The pane's own button puts the selected entry in the first free block.
  Pick(kWindowCombo, 0);
  ASSERT_TRUE(driver_.Click(Main(), kCopyWindowToBlockButton));
  EXPECT_EQ(driver_.EditOf(Main(), CodeBlockEditorId(1)).Text(),
            "OPENWINDOW main,0,0,300,200,0,0,\"Inventory\",&Handler\r\nWAITUNTIL main = 0\r\n");
  EXPECT_EQ(Edit().Text(), kProgram) << "the file is left as it was";

  // A jump from the pane brings the file back on screen.
  ASSERT_FALSE(Main().IsControlVisible(kEditor));
  Pick(kSubroutineCombo, 0);
  ASSERT_TRUE(driver_.Click(Main(), kGoToSubEndButton));
  EXPECT_TRUE(Main().IsControlVisible(kEditor));
  EXPECT_EQ(CaretLine(), 7);
}

// The marker goes where the caret is at the next tick, as after a click.
TEST_F(DeclarationLists, AMoveThereAndBackGivesTheTextByteForByteAndOneCtrlZUndoesAMove) {
  OpenProgram();
  const auto markLine = [this](int line) {
    Main().Focus(kEditor);
    Edit().SetSelection(Edit().LineIndex(line - 1), Edit().LineIndex(line - 1));
    ASSERT_TRUE(driver_.TickTimer(Main(), kPositionTimer));
  };
  const auto pickNamed = [this](const std::string& name) {
    for (int i = 0; i < Main().ListCount(kSubroutineCombo); ++i)
      if (Main().ListText(kSubroutineCombo, i) == name) Pick(kSubroutineCombo, i);
  };
  pickNamed("Handler");  // lines 5-7 and the blank line 8
  markLine(2);
  ASSERT_TRUE(driver_.Click(Main(), kMoveSubButton));
  const std::string moved = Edit().Text();
  EXPECT_EQ(moved.substr(0, 51), "x = 1\r\nSUB Handler\r\n  PRINT 1\r\nENDSUB\r\n\r\nOPENWINDOW");
  EXPECT_EQ(CaretLine(), 6) << "after the moved code";

  driver_.PressCtrlKey(Main(), 'Z');
  EXPECT_EQ(Edit().Text(), kProgram) << "one step undoes the move";
  driver_.PressCtrlKey(Main(), 'Y');
  EXPECT_EQ(Edit().Text(), moved) << "and one redoes it";

  pickNamed("Handler");
  markLine(3);  // inside Handler itself
  ASSERT_TRUE(driver_.Click(Main(), kMoveSubButton));
  EXPECT_TRUE(NoticeShown("Select a line"));
  EXPECT_EQ(Edit().Text(), moved);

  markLine(9);  // SUB Last
  ASSERT_TRUE(driver_.Click(Main(), kMoveSubButton));
  EXPECT_EQ(Edit().Text(), kProgram);
}

}  // namespace
}  // namespace editor
