// The full index of the file on screen: its lists, drop-downs, range tables and bar.
#include <gtest/gtest.h>

#include <string>

#include "base/menu_ids.h"
#include "editing/file_indexer.h"
#include "files/tab_switch.h"
#include "platform/headless/window.h"
#include "scenarios/editor_fixture.h"
#include "view/main_window.h"
#include "view/progress_bar.h"
#include "view/view_procedures.h"

namespace editor {
namespace {

std::string Filler(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "  PRINT \"line\" : x = x + 1\r\n";
  return text;
}

class FullIndexTest : public EditorTest {
 protected:
  void Index(const std::string& text, IndexProgress progress = IndexProgress::kHidden) {
    Edit().SetText(text);
    FullIndex(editor_, progress);
  }
  std::vector<std::string> Row(ui::ControlId list, int row) {
    std::vector<std::string> cells;
    for (int c = 0; c < 3; ++c) cells.push_back(Main().ViewCell(list, row, c));
    return cells;
  }
  headless::Window& Headless() { return static_cast<headless::Window&>(Main()); }
};

TEST_F(FullIndexTest, ListsSubroutinesWindowsAndIncludesWithTheirMirrors) {
  Start();
  Index("$INCLUDE \"windowssdk.inc\"\r\n" + Filler(8) + "SUB Main\r\n" + Filler(9) + "ENDSUB\r\n" +
        "OPENWINDOW w1,0,0,300,200,0,0,\"Demo\",&handler\r\nCREATEDIALOG d1,0,0,10,10,0,0,0,&dp\r\n");
  ASSERT_EQ(Main().ViewRowCount(kSubroutineList), 1);
  EXPECT_EQ(Row(kSubroutineList, 0), (std::vector<std::string>{"Main", "10", "10"}));
  ASSERT_EQ(Main().ViewRowCount(kWindowList), 2);
  EXPECT_EQ(Row(kWindowList, 0), (std::vector<std::string>{"w1", "21", ""}));
  EXPECT_EQ(Main().ListText(kSubroutineCombo, 0), "Main");
  EXPECT_EQ(Main().ListText(kWindowCombo, 0), "w1 : Demo");
  EXPECT_EQ(Main().ListText(kWindowCombo, 1), "d1");
  ASSERT_EQ(Main().ListCount(kIncludeCombo), 1);
  EXPECT_EQ(Main().ListText(kIncludeCombo, 0), "windowssdk.inc");
}

TEST_F(FullIndexTest, IndexingTwiceGivesWhatIndexingOnceGave) {
  Start();
  const std::string text = "SUB A1\r\nENDSUB\r\n/* x\r\n*/\r\n$ASM\r\nnop\r\n$ENDASM\r\nSUB B2\r\n";
  Index(text);
  const FileIndex once = editor_.index;
  const auto rows = Main().ViewRowCount(kSubroutineList);
  FullIndex(editor_, IndexProgress::kHidden);
  EXPECT_EQ(editor_.index.blockComments, once.blockComments);
  EXPECT_EQ(editor_.index.assemblyBlocks, once.assemblyBlocks);
  EXPECT_EQ(editor_.index.subroutineStarts, once.subroutineStarts);
  EXPECT_EQ(Main().ViewRowCount(kSubroutineList), rows);
  EXPECT_EQ(Main().ListCount(kSubroutineCombo), rows);
}

TEST_F(FullIndexTest, ADeletedBlockCommentIsNoLongerShadedAfterAReindex) {
  Start();
  Index("a = 1\r\n/*\r\nPRINT x\r\n*/\r\n");
  EXPECT_TRUE(editor_.index.blockComments.Contains(LineIndex(2)));
  Index("a = 1\r\n\r\nPRINT x\r\n\r\n");
  EXPECT_FALSE(editor_.index.blockComments.Contains(LineIndex(2)));
  EXPECT_NE(Edit().ColourAt(Edit().LineIndex(2)), editor_.prefs.comment);
}

TEST_F(FullIndexTest, AHundredLineFileAdvancesTheBarOncePerLine) {
  Start();
  Headless().ClearDraws();
  Index(Filler(100), IndexProgress::kShown);
  int steps = 0;
  for (const headless::Draw& draw : Headless().Draws())
    if (draw.kind == headless::Draw::Kind::kFill && draw.rect.width == 2) ++steps;
  EXPECT_EQ(steps, 100);
  ASSERT_GE(Headless().Draws().size(), 2u);
  const auto last = Headless().Draws().end() - 1;
  EXPECT_EQ((last - 1)->rect, kProgressBarRect);  // drawn full at the end
  EXPECT_EQ(last->rect, kProgressBarRect);        // then wiped away
  EXPECT_EQ(last->colour, editor_.prefs.windowBackground);
  EXPECT_TRUE(Main().IsControlVisible(kSearchControlsButton));
}

TEST_F(FullIndexTest, AFullIndexOfTenThousandLinesMakesFewPerLineRequests) {
  Start();
  std::string text;
  for (int i = 0; i < 1000; ++i) text += "SUB S" + std::to_string(i) + "(x AS INT)\r\n" + Filler(8) + "ENDSUB\r\n";
  Edit().SetText(text);
  Edit().ResetCounts();
  FullIndex(editor_, IndexProgress::kShown);
  EXPECT_EQ(Main().ViewRowCount(kSubroutineList), 1000);
  EXPECT_LT(Edit().Counts().LineRequests(), 300);
  EXPECT_EQ(Edit().Count(headless::Request::kText), 1);
}

// Colouring a page costs tens of milliseconds on the real control: once is enough.
TEST_F(FullIndexTest, AFullIndexColoursTheLinesInViewOnce) {
  Start();
  std::string text;
  for (int i = 0; i < 100; ++i) text += "SUB S" + std::to_string(i) + "(x AS INT)\r\n  PRINT x\r\nENDSUB\r\n";
  PutFileInTab(1, "prog.iwb", text);
  ActivateTab(editor_, 1);
  Edit().ResetCounts();
  RecolourVisible(editor_);
  const int onePage = Edit().Count(headless::Request::kSetSelectionColour);
  ASSERT_GT(onePage, 0);
  Edit().ResetCounts();
  FullIndex(editor_, IndexProgress::kHidden);
  EXPECT_EQ(Edit().Count(headless::Request::kSetSelectionColour), onePage);
}

TEST_F(FullIndexTest, TheReindexCommandTellsTheUserWhenItIsDone) {
  Start();
  PutFileInTab(1, "prog.iwb", "SUB Main\r\nENDSUB\r\n");
  ShowEditingControls(editor_);
  ActivateTab(editor_, 1);
  ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuReindexFile));
  EXPECT_EQ(Main().ViewRowCount(kSubroutineList), 1);
  bool toldDone = false;
  for (const auto& closed : driver_.ClosedWindows()) toldDone |= closed.caption == "Done";
  EXPECT_TRUE(toldDone);
}

TEST_F(FullIndexTest, NamesTheTextNoLongerHasDoNotComeBackFromTheStateFile) {
  Start();
  PutFileInTab(1, "prog.iwb", "SUB Kept\r\nENDSUB\r\n");
  ShowEditingControls(editor_);
  ActivateTab(editor_, 1);
  // Written while the text still had them; what the index does not make still comes back.
  WriteFile(start_ / "Res" / "prog.txt",
            ":lv2-2\r\nKept|1!2\r\nGone|3!4\r\n:lv4-1\r\nw1|5!9#h\r\n:bmk-1\r\n2 look here\r\n");
  FullIndex(editor_, IndexProgress::kHidden);
  ASSERT_EQ(Main().ViewRowCount(kSubroutineList), 1);
  EXPECT_EQ(Main().ViewCell(kSubroutineList, 0, 0), "Kept");
  EXPECT_EQ(Main().ListCount(kSubroutineCombo), 1);
  EXPECT_EQ(Main().ViewRowCount(kWindowList), 0);
  // The file on screen keeps its own bookmarks (none): the state file's are older, and
  // would bring back bookmarks the user removed.
  EXPECT_EQ(Main().ListCount(kBookmarkCombo), 0);
  EXPECT_TRUE(editor_.bookmarks.empty());
}

// A re-index after an include line was deleted or copied used to list the gone file from
// the state file, and the copied one twice.
TEST_F(FullIndexTest, TheIncludeListIsTheTextsOwnIncludesEachOnce) {
  Start();
  PutFileInTab(1, "prog.iwb", "$INCLUDE \"kept.inc\"\r\n$INCLUDE \"kept.inc\"\r\n' $INCLUDE \"off.inc\"\r\n");
  ShowEditingControls(editor_);
  ActivateTab(editor_, 1);
  WriteFile(start_ / "Res" / "prog.txt", ":inc-2\r\nkept.inc\r\ngone.inc\r\n");
  FullIndex(editor_, IndexProgress::kHidden);
  ASSERT_EQ(Main().ListCount(kIncludeCombo), 1);
  EXPECT_EQ(Main().ListText(kIncludeCombo, 0), "kept.inc");
}

}  // namespace
}  // namespace editor
