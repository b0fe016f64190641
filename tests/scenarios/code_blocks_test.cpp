// Parking code in the four code blocks and looking at it: which block takes it, what the
// buttons show, and that nothing done with a block ever changes the file's own code.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "base/control_ids.h"
#include "files/backup_dialog.h"
#include "navigation/put_in_free_block.h"
#include "scenarios/file_commands_fixture.h"
#include "view/notices.h"

namespace editor {
namespace {

class CodeBlocks : public FileCommandsTest {
 protected:
  headless::RichEdit& Block(int block) { return driver_.EditOf(Main(), CodeBlockEditorId(block)); }

  // Which of the five edit areas is on screen: 0 the file, 1..4 a block; -1 unless
  // exactly one is, and the view state agrees.
  int OnScreen() {
    int shown = -1;
    int count = 0;
    for (int area = 0; area <= kCodeBlockCount; ++area) {
      if (!Main().IsControlVisible(area == 0 ? kEditor : CodeBlockEditorId(area))) continue;
      shown = area;
      ++count;
    }
    return count == 1 && shown == editor_.view.blockView ? shown : -1;
  }

  std::string LastNotice() {
    const auto& closed = driver_.ClosedWindows();
    return closed.empty() ? "" : closed.back().TextOf(kNoticeTextLabel);
  }

};

constexpr char kProgram[] = "x = 1\r\nSUB main\r\nENDSUB\r\n";

TEST_F(CodeBlocks, BlocksAreTakenInOrderAFreedOneIsTakenAgainAndAFifthCodeGetsTheNotice) {
  Open(Source("prog.iwb", kProgram));
  const std::string longSub = "SUB long\r\n" + std::string(1000, '\'') + "\r\nENDSUB\r\n";
  ASSERT_EQ(PutInFreeBlock(editor_, longSub), 1);
  EXPECT_EQ(OnScreen(), 1);
  EXPECT_EQ(Block(1).Text(), longSub) << "code is never cut to fit a block";
  EXPECT_FALSE(Main().IsControlVisible(kLineScrollBar));

  ASSERT_TRUE(driver_.Click(Main(), kMainProgramButton));
  EXPECT_EQ(OnScreen(), 0);
  EXPECT_FALSE(Main().IsControlVisible(kCopyBlockButton));
  EXPECT_FALSE(Main().IsControlVisible(kDeleteBlockButton));
  EXPECT_FALSE(driver_.Click(Main(), CodeBlockButtonId(2))) << "a free block's button is off";

  ASSERT_EQ(PutInFreeBlock(editor_, "SUB two\r\nENDSUB\r\n"), 2);
  ASSERT_TRUE(driver_.Click(Main(), CodeBlockButtonId(1)));
  ASSERT_TRUE(driver_.Click(Main(), kDeleteBlockButton));
  EXPECT_EQ(OnScreen(), 0);
  EXPECT_FALSE(driver_.Click(Main(), CodeBlockButtonId(1)));
  EXPECT_EQ(Block(2).Text(), "SUB two\r\nENDSUB\r\n");

  EXPECT_EQ(PutInFreeBlock(editor_, "SUB again\r\nENDSUB\r\n"), 1);
  EXPECT_EQ(PutInFreeBlock(editor_, "three"), 3);
  EXPECT_EQ(PutInFreeBlock(editor_, "four"), 4);
  EXPECT_EQ(PutInFreeBlock(editor_, "fifth"), std::nullopt);
  EXPECT_EQ(LastNotice(), "All code blocks are taken; the code is on the clipboard.");
  EXPECT_EQ(driver_.Clipboard(), "fifth");
  EXPECT_EQ(OnScreen(), 4) << "the view stays as it was";
  EXPECT_EQ(Block(4).Text(), "four");
  EXPECT_EQ(Edit().Text(), kProgram) << "the file's own code never changed";
}

TEST_F(CodeBlocks, BlockButtonsChangeNothingWhileTheThumbIsHeldAndABlockStandsWhereTheFileDoes) {
  Open(Source("prog.iwb", kProgram));
  ASSERT_TRUE(driver_.Click(Main(), kLineDebugButton));  // narrows the edit area
  ASSERT_EQ(PutInFreeBlock(editor_, "x = 2\r\n"), 1);
  EXPECT_EQ(Main().ControlRect(CodeBlockEditorId(1)), Main().ControlRect(kEditor));
  ASSERT_TRUE(driver_.Click(Main(), kMainProgramButton));

  ASSERT_TRUE(driver_.Scroll(Main(), kLineScrollBar, ui::scroll::kThumbTrack, 1));
  ASSERT_TRUE(driver_.Click(Main(), CodeBlockButtonId(1)));
  EXPECT_EQ(OnScreen(), 0);
  ASSERT_TRUE(driver_.Scroll(Main(), kLineScrollBar, ui::scroll::kEndScroll));
  ASSERT_TRUE(driver_.Click(Main(), CodeBlockButtonId(1)));
  EXPECT_EQ(OnScreen(), 1);
}

TEST_F(CodeBlocks, BlocksKeepTheirCodeAcrossTabsAndATabOrAFileOpenedShowsTheFile) {
  Open(Source("a.iwb", "a = 1\r\n"));
  Open(Source("b.iwb", "b = 2\r\n"));
  ASSERT_EQ(PutInFreeBlock(editor_, "SUB keep\r\nENDSUB\r\n"), 1);
  EXPECT_EQ(Main().Tooltip(kMainProgramButton), "Show me b.iwb");
  EXPECT_EQ(Main().Tooltip(CodeBlockButtonId(1)), "You are currently viewing code in block 1");

  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(1)));
  EXPECT_EQ(OnScreen(), 0);
  EXPECT_EQ(Edit().Text(), "a = 1\r\n");
  EXPECT_EQ(Main().FocusedControl(), kEditor);
  EXPECT_EQ(Main().Tooltip(kMainProgramButton), "You are currently viewing a.iwb");

  ASSERT_TRUE(driver_.Click(Main(), CodeBlockButtonId(1)));
  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(2)));
  ASSERT_TRUE(driver_.Click(Main(), CodeBlockButtonId(1)));
  EXPECT_EQ(Block(1).Text(), "SUB keep\r\nENDSUB\r\n");

  Open(Source("c.iwb", "c = 3\r\n"));
  EXPECT_EQ(OnScreen(), 0);
  EXPECT_EQ(Edit().Text(), "c = 3\r\n");
  EXPECT_EQ(TabText(2), "b = 2\r\n");
  EXPECT_EQ(Block(1).Text(), "SUB keep\r\nENDSUB\r\n");
}

TEST_F(CodeBlocks, EditingInABlockStaysInTheBlockAndNeverReachesTheFileOrItsUndo) {
  Open(Source("prog.iwb", "a = 1\r\nb = 2\r\n"));
  Main().Focus(kEditor);
  Edit().SetSelection(0, 0);
  driver_.TypeText(Main(), "x");  // the file's own edit, for its undo to take back later
  const std::string fileText = Edit().Text();
  const int undoCount = editor_.tabs.Tab(1).history.UndoCount();

  ASSERT_EQ(PutInFreeBlock(editor_, "SUB s\r\nENDSUB\r\n"), 1);
  driver_.TypeText(Main(), "typed ");
  system_.SetClipboardText("pasted ");
  driver_.PressCtrlKey(Main(), 'V');
  Block(1).SetSelection(0, 3);
  driver_.PressCtrlKey(Main(), 'X');
  EXPECT_EQ(driver_.Clipboard(), "typ");
  // A command that gives the focus back to the editor gives it to the block on screen.
  driver_.WhenWindowOpens(std::string(kBackupDialogCaption),
                          [this](ui::Window& w) { driver_.Click(w, backup_dialog::kCancelButton); });
  ASSERT_TRUE(driver_.Click(Main(), kBackupButton));
  driver_.TypeText(Main(), "!");
  const std::string blockText = "!ed pasted SUB s\r\nENDSUB\r\n";
  EXPECT_EQ(Block(1).Text(), blockText);
  EXPECT_EQ(Edit().Text(), fileText);
  EXPECT_EQ(editor_.tabs.Tab(1).history.UndoCount(), undoCount);

  ASSERT_TRUE(driver_.Click(Main(), kMainProgramButton));
  EXPECT_EQ(Main().FocusedControl(), kEditor);
  driver_.PressCtrlKey(Main(), 'Z');
  EXPECT_EQ(Edit().Text(), "a = 1\r\nb = 2\r\n") << "the file's undo takes back its own edit";
  EXPECT_EQ(Block(1).Text(), blockText) << "and the block keeps its edits";

  // A line typed in a go-to-line box is a line of the file: the file comes back to show it.
  ASSERT_TRUE(driver_.Click(Main(), CodeBlockButtonId(1)));
  driver_.TypeText(Main(), kGoToLineBox, "2");
  EXPECT_EQ(OnScreen(), 0);
}

TEST_F(CodeBlocks, ABlocksLinesAreColouredByItsOwnCommentsNotTheFilesOnTheSameLines) {
  Open(Source("prog.iwb", "/*\r\nnotes\r\n*/\r\nx = 1\r\n"));
  ASSERT_EQ(PutInFreeBlock(editor_, "x = 2\r\nPRINT x\r\n/*\r\nold\r\n*/\r\n"), 1);
  EXPECT_EQ(Block(1).ColourAt(Block(1).LineIndex(1)), editor_.prefs.keyword);
  EXPECT_EQ(Block(1).ColourAt(Block(1).LineIndex(3)), editor_.prefs.comment);
}

TEST_F(CodeBlocks, CopyToABlockSaysSoAndKeepsTheBlockOnScreenAndCopyTakesTheWholeBlock) {
  Open(Source("prog.iwb", kProgram));
  ASSERT_EQ(PutInFreeBlock(editor_, "one\r\n"), 1);
  ASSERT_TRUE(CopyToBlock(editor_, "two\r\n"));
  EXPECT_EQ(LastNotice(), "Copied to block");
  EXPECT_EQ(OnScreen(), 1);
  EXPECT_EQ(Block(2).Text(), "two\r\n");

  ASSERT_TRUE(driver_.Click(Main(), kCopyBlockButton));
  EXPECT_EQ(driver_.Clipboard(), "one\r\n");
}

}  // namespace
}  // namespace editor
