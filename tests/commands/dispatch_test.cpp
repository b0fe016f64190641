// The main window's commands as a user meets them: clicks, typing, scrolling, the timer.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "base/menu_ids.h"
#include "commands/main_window_handler.h"
#include "files/tab_switch.h"
#include "scenarios/editor_fixture.h"
#include "view/main_window.h"
#include "view/notices.h"
#include "view/view_procedures.h"

namespace editor {
namespace {

std::string NumberedLines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += "PRINT " + std::to_string(i) + "\r\n";
  return text;
}

class Dispatch : public EditorTest {
 protected:
  void OpenFile(int lines, const std::string& name = "prog.iwb") {
    Start();
    PutFileInTab(1, name, NumberedLines(lines));
    ShowEditingControls(editor_);
    ActivateTab(editor_, 1);
    Main().Focus(kEditor);
  }
  int CaretLine() { return Edit().LineFromChar(Edit().GetSelection().first) + 1; }
  std::string Gutter(int row) { return Main().GetText(kFirstGutterLabel + row - 1); }
  std::string ReadCompanion(const std::string& name) {
    std::ifstream in(start_ / "Res" / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
};

TEST_F(Dispatch, AGoToLineButtonPutsTheLineAtTheTopWithCaretAndMarker) {
  OpenFile(200);
  driver_.TypeText(Main(), kGoToLineBox, "50");
  ASSERT_TRUE(Main().IsControlVisible(kGoToLineButton));
  ASSERT_TRUE(driver_.Click(Main(), kGoToLineButton));
  EXPECT_EQ(CaretLine(), 50);
  EXPECT_EQ(Edit().FirstVisibleLine(), 49);
  EXPECT_EQ(Gutter(1), "> 50");
  EXPECT_EQ(Gutter(2), "51");
}

TEST_F(Dispatch, GoToLineLeavesTheRefreshToTheNextTimerTick) {
  OpenFile(200);
  GoToLine(editor_, LineNumber(120));
  EXPECT_EQ(CaretLine(), 120);
  EXPECT_EQ(Main().GetText(kLineNumberBox), "120");
  EXPECT_EQ(editor_.view.rememberedTopLine, LineNumber(119)) << "one short, so that the tick sees a change";
  driver_.TickTimer(Main(), kPositionTimer);
  EXPECT_EQ(editor_.view.rememberedTopLine, LineNumber(120));
  EXPECT_EQ(Main().GetText(kCurrentLineField), "120");
  const int first = Edit().FirstVisibleLine();
  EXPECT_EQ(Gutter(120 - first), "> 120");
}

TEST_F(Dispatch, EmptyingAGoToLineBoxHidesItsButtonAndNumbersTheGutterFromOne) {
  OpenFile(200);
  driver_.TypeText(Main(), kGoToLineBox2, "80");
  ASSERT_TRUE(Main().IsControlVisible(kGoToLineButton2));
  driver_.PressKey(Main(), kGoToLineBox2, ui::key::kBackspace);
  driver_.PressKey(Main(), kGoToLineBox2, ui::key::kBackspace);
  EXPECT_FALSE(Main().IsControlVisible(kGoToLineButton2));
  EXPECT_EQ(Gutter(1), "> 1");
  EXPECT_EQ(Gutter(2), "2");
  EXPECT_EQ(Main().FocusedControl(), kGoToLineBox2) << "typing goes on in the box";
}

TEST_F(Dispatch, LineUpAndPageUpAtTheTopChangeNothing) {
  OpenFile(200);
  Main().SetText(kLineNumberBox, "1");
  driver_.Scroll(Main(), kLineScrollBar, ui::scroll::kLineUp);
  driver_.Scroll(Main(), kLineScrollBar, ui::scroll::kPageUp);
  EXPECT_EQ(Edit().FirstVisibleLine(), 0);
  EXPECT_EQ(Main().GetText(kLineNumberBox), "1");
  EXPECT_FALSE(editor_.view.busy);
  EXPECT_FALSE(editor_.view.thumbDrag);
}

TEST_F(Dispatch, LineDownMovesTheViewAndKeepsTheCaretInIt) {
  OpenFile(200);
  driver_.Scroll(Main(), kLineScrollBar, ui::scroll::kLineDown);
  EXPECT_EQ(Edit().FirstVisibleLine(), 1);
  const int n = editor_.metrics.gutterLines;
  EXPECT_EQ(CaretLine(), 2 + n - 1);
  EXPECT_EQ(Main().GetText(kLineNumberBox), "2");
  driver_.Scroll(Main(), kLineScrollBar, ui::scroll::kLineUp);
  EXPECT_EQ(Edit().FirstVisibleLine(), 0);
  EXPECT_EQ(CaretLine(), 1);
}

TEST_F(Dispatch, LastLineOnAShortFileShowsItsStart) {
  OpenFile(5);
  ASSERT_TRUE(driver_.Click(Main(), kLastLineButton));
  EXPECT_EQ(Edit().FirstVisibleLine(), 0);
  EXPECT_EQ(Main().GetText(kLineNumberBox), "6") << "the line after the last break counts";
  EXPECT_EQ(Main().ScrollPos(kLineScrollBar), 0);
  ASSERT_TRUE(driver_.Click(Main(), kFirstLineButton));
  EXPECT_EQ(Gutter(1), "> 1");
}

TEST_F(Dispatch, TheTimerFollowsTheCaretAndWritesTheViewedLineOnlyWhenItChanges) {
  OpenFile(200);
  ASSERT_TRUE(driver_.TickTimer(Main(), kPositionTimer));
  EXPECT_EQ(ReadCompanion("prog.src"), "1");
  std::filesystem::remove(start_ / "Res" / "prog.src");
  driver_.TickTimer(Main(), kPositionTimer);
  EXPECT_FALSE(std::filesystem::exists(start_ / "Res" / "prog.src")) << "unchanged: not rewritten";

  Edit().LineScroll(20);
  Edit().SetSelection(Edit().LineIndex(24), Edit().LineIndex(24));
  driver_.TickTimer(Main(), kPositionTimer);
  EXPECT_EQ(ReadCompanion("prog.src"), "21");
  EXPECT_EQ(Main().GetText(kCurrentLineField), "25");
  EXPECT_EQ(Gutter(5), "> 25");
}

TEST_F(Dispatch, TheKeyWordControlsHideWhileTheBoxIsEmpty) {
  OpenFile(3);
  driver_.TypeText(Main(), kKeywordBox, "pri");
  ASSERT_TRUE(Main().IsControlVisible(kKeywordCombo));
  ASSERT_EQ(Main().ListCount(kKeywordCombo), 3);
  EXPECT_EQ(Main().ListText(kKeywordCombo, 0), "PRINT");
  EXPECT_EQ(Main().ListText(kKeywordCombo, 1), "PRINTWINDOW");
  EXPECT_EQ(Main().ListText(kKeywordCombo, 2), "PRIVATE");
  EXPECT_EQ(Main().Tooltip(kFindKeywordButton), "Find PRINT in prog.iwb");

  ASSERT_TRUE(driver_.Click(Main(), kInWordBox));
  EXPECT_FALSE(Main().IsChecked(kBeginsWithBox));
  EXPECT_NE(Main().ListFindExact(kKeywordCombo, "DEBUGPRINT"), -1) << "in word: PRI anywhere";

  for (int i = 0; i < 3; ++i) driver_.PressKey(Main(), kKeywordBox, ui::key::kBackspace);
  EXPECT_FALSE(Main().IsControlVisible(kKeywordCombo));
  EXPECT_FALSE(Main().IsControlVisible(kFindKeywordButton));
  driver_.PressKey(Main(), kKeywordBox, ui::key::kEnter);
  EXPECT_EQ(Main().FocusedControl(), kKeywordBox);
}

TEST_F(Dispatch, FindModesAndExtentsAreEachOneOfThree) {
  OpenFile(3);
  ASSERT_TRUE(driver_.Click(Main(), kExactBox));
  EXPECT_TRUE(Main().IsChecked(kExactBox));
  EXPECT_FALSE(Main().IsChecked(kWordsBox));
  EXPECT_EQ(Main().GetText(kFindLabel), "Find exact");
  EXPECT_FALSE(Main().IsControlVisible(kAndBox));

  driver_.TypeText(Main(), kFindBox, "it's");
  ASSERT_TRUE(driver_.Click(Main(), kWordsBox));
  EXPECT_TRUE(Main().IsChecked(kExactBox)) << "a phrase with an apostrophe stays exact";
  EXPECT_TRUE(Main().IsControlVisible(kAndBox));

  ASSERT_TRUE(driver_.Click(Main(), kFirstBox));
  ASSERT_TRUE(driver_.Click(Main(), kLastBox));
  EXPECT_FALSE(Main().IsChecked(kFirstBox));
  EXPECT_TRUE(Main().IsChecked(kLastBox));
}

TEST_F(Dispatch, SelectAllPutsTheWholeTextOnTheClipboard) {
  OpenFile(3);
  ASSERT_TRUE(driver_.PressAccelerator(Main(), 'A', true));
  EXPECT_EQ(driver_.Clipboard(), NumberedLines(3));
}

TEST_F(Dispatch, CutPutsTheSelectionOnTheClipboardWithWindowsLineBreaks) {
  OpenFile(3);
  Main().EnableMenuItem(kMenuCut, true);
  Edit().SetSelection(0, Edit().LineIndex(2));
  ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuCut));
  EXPECT_EQ(driver_.Clipboard(), "PRINT 1\r\nPRINT 2\r\n");
  EXPECT_EQ(Edit().Text(), "PRINT 3\r\n");
  EXPECT_TRUE(Main().IsMenuItemEnabled(kMenuPaste));
  EXPECT_TRUE(Main().IsControlVisible(kClearUndoButton));
}

TEST_F(Dispatch, TheDebugPanelNarrowsTheEditAreaAndGivesItBack) {
  OpenFile(3);
  const ui::Rect wide = Main().ControlRect(kEditor);
  ASSERT_TRUE(driver_.Click(Main(), kLineDebugButton));
  EXPECT_EQ(Main().ControlRect(kEditor).width, 1297 - 400);
  EXPECT_TRUE(Main().IsControlVisible(kDebugLineField));
  ASSERT_TRUE(driver_.Click(Main(), kLineDebugButton));
  EXPECT_EQ(Main().ControlRect(kEditor), wide);
  EXPECT_FALSE(Main().IsControlVisible(kDebugLineField));
}

TEST_F(Dispatch, ClosingOffersToSaveEachModifiedTabAndWritesTheEditorState) {
  OpenFile(3);
  PutFileInTab(2, "other.iwb", "x\r\n");
  editor_.tabs.Tab(2).caption = "other.iwb*";
  driver_.WhenWindowOpens("Please confirm", [this](ui::Window& question) { driver_.Click(question, kYesButton); });

  driver_.ClickCloseBox(Main());
  EXPECT_FALSE(std::filesystem::exists(start_ / "prog.iwb")) << "an unchanged tab is not saved";
  EXPECT_EQ(ReadCompanion("../other.iwb"), "x\r\n") << "the starred tab is saved from its own text";
  EXPECT_EQ(ReadCompanion("vorevav4.ini"), (start_ / "prog.iwb").string() + "\r\n" +
                                               (start_ / "other.iwb").string() + "\r\n!1\r\n");
  EXPECT_FALSE(Main().IsOpen());
}

int ColourSecondRow(Editor&, ui::CustomDraw& draw) {
  if (draw.stage == ui::custom_draw::kPrePaint) return ui::custom_draw::kNotifyItemDraw;
  if (draw.stage == ui::custom_draw::kItemPrePaint && draw.row == 1) draw.textColour = ui::Rgb(200, 0, 0);
  return ui::custom_draw::kNewFont;
}

TEST_F(Dispatch, AListsCustomDrawRowAnswersForItAndAListWithoutOneIsDrawnAsUsual) {
  OpenFile(3);
  constexpr CustomDrawCommand kRows[] = {{kSubroutineList, &ColourSecondRow}};
  ui::CustomDraw item{.stage = ui::custom_draw::kItemPrePaint, .row = 1};
  ui::Event event{.kind = ui::MessageKind::kControlNotify, .controlId = kSubroutineList,
                  .notifyCode = ui::notify::kCustomDraw};
  event.customDraw = &item;
  EXPECT_EQ(RunCustomDrawCommand(kRows, editor_, event), ui::custom_draw::kNewFont);
  EXPECT_EQ(item.textColour, ui::Rgb(200, 0, 0));
  event.controlId = kWindowList;
  EXPECT_EQ(RunCustomDrawCommand(kRows, editor_, event), std::nullopt);

  // No list of the main window is drawn row by row yet.
  Main().ShowControl(kSubroutineList, true);
  Main().ViewInsertRow(kSubroutineList, 0, "Main");
  const std::vector<ui::CustomDraw> drawn = driver_.PaintListView(Main(), kSubroutineList);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].stage, ui::custom_draw::kPrePaint);
}

}  // namespace
}  // namespace editor
