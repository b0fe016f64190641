// Going from one tab to another and back, and starting again: each file comes back as it
// was left, with its own control, colours, caret, place and lists.
#include <gtest/gtest.h>

#include "files/file_loader.h"
#include "files/tab_editors.h"
#include "prefs/preferences_in_force.h"
#include "scenarios/file_commands_fixture.h"
#include "view/view_procedures.h"

namespace editor {
namespace {

using headless::Request;
using TabRoundTrip = FileCommandsTest;

std::string NumberedPrintLines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += "PRINT " + std::to_string(i) + "\r\n";
  return text;
}

TEST_F(TabRoundTrip, AFileComesBackWithItsColoursCaretAndPlaceAndNothingIsRecoloured) {
  Open(Source("long.iwb", NumberedPrintLines(300)));
  Edit().LineScroll(150 - Edit().FirstVisibleLine());
  RecolourVisible(editor_);  // as scrolling by the bar or the keys does
  const int caret = Edit().LineIndex(160) + 3;
  Edit().SetSelection(caret, caret);
  const int visibleLine = Edit().LineIndex(155);
  ASSERT_EQ(Edit().ColourAt(visibleLine), editor_.prefs.keyword) << "the page in view is coloured";
  Open(Source("short.iwb", "x = 1\r\n"));
  headless::RichEdit& waiting = driver_.EditOf(Main(), TabEditorId(1));
  waiting.ResetCounts();

  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(1)));
  EXPECT_EQ(&Edit(), &waiting);
  EXPECT_EQ(Edit().FirstVisibleLine(), 150);
  EXPECT_EQ(Edit().GetSelection(), std::make_pair(caret, caret));
  EXPECT_EQ(Edit().ColourAt(visibleLine), editor_.prefs.keyword);
  EXPECT_EQ(waiting.Counts().Count(Request::kSetSelectionColour), 0) << "its colours were kept, not painted again";
  EXPECT_EQ(waiting.Counts().Count(Request::kText), 0);
}

TEST_F(TabRoundTrip, WindowTitlesSurviveATabRoundTripAndARestart) {
  const auto prog = Source("prog.iwb", "OPENWINDOW main,0,0,300,200,0,0,\"Inventory\",&handler\r\nx = 1\r\n");
  Open(prog);
  ASSERT_EQ(Main().ListText(kWindowCombo, 0), "main : Inventory");
  Open(Source("other.iwb", "y = 2\r\n"));
  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(1)));
  EXPECT_EQ(Main().ListText(kWindowCombo, 0), "main : Inventory");
  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(2)));

  // The next run opens the file again: its lists come from the state it left in Res.
  Editor next(system_);
  ASSERT_TRUE(StartEditor(next));
  ASSERT_EQ(LoadFile(next, prog), LoadResult::kLoaded);
  ASSERT_GT(next.main->ListCount(kWindowCombo), 0);
  EXPECT_EQ(next.main->ListText(kWindowCombo, 0), "main : Inventory");
}

TEST_F(TabRoundTrip, ClosingATabDestroysItsControlAndTheLaterTabsKeepTheirs) {
  Open(Source("a.iwb", "a = 1\r\n"));
  Open(Source("b.iwb", "b = 2\r\n"));
  Open(Source("c.iwb", "c = 3\r\n"));
  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(2)));
  ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuCloseFile));
  EXPECT_EQ(editor_.tabs.ActiveTab(), 2);
  EXPECT_EQ(Edit().Text(), "c = 3\r\n") << "c moved into the closed tab's place";
  EXPECT_EQ(TabText(1), "a = 1\r\n");
  EXPECT_FALSE(Main().HasControl(TabEditorId(3)));
  EXPECT_FALSE(Main().HasControl(TabEditorId(2))) << "the tab on screen has no waiting control";
}

TEST_F(TabRoundTrip, ATextOnScreenWhoseTabTheCaptionDoesNotNameIsKeptNotDestroyed) {
  Open(Source("a.iwb", "a = 1\r\n"));
  Open(Source("b.iwb", "b = 2\r\n"));
  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(1)));
  Edit().SetSelection(0, 0);
  Edit().ReplaceSelection("typed ", false);
  Main().SetCaption("Some other caption");
  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(2)));
  EXPECT_EQ(Edit().Text(), "b = 2\r\n");
  EXPECT_EQ(TabText(1), "typed a = 1\r\n");
}

TEST_F(TabRoundTrip, ANewFontReachesTheFilesWaitingInOtherTabs) {
  Open(Source("a.iwb", "a = 1\r\nb = 2\r\n"));
  Open(Source("b.iwb", "c = 3\r\nd = 4\r\n"));
  editor_.prefs.editorFont.pointSize = 20;
  PutSettingsInForce(editor_);
  const auto lineHeight = [](const ui::RichEdit& edit) {
    return edit.PositionFromChar(edit.LineIndex(1)).y - edit.PositionFromChar(0).y;
  };
  const int onScreen = lineHeight(Edit());
  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(1)));
  EXPECT_EQ(lineHeight(Edit()), onScreen) << "the waiting file took the new font too";
}

}  // namespace
}  // namespace editor
