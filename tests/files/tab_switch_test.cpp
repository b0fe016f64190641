#include "files/tab_switch.h"

#include <gtest/gtest.h>

#include "files/tab_editors.h"
#include "scenarios/editor_fixture.h"
#include "view/main_window.h"

namespace editor {
namespace {

using headless::Request;

class TabSwitch : public EditorTest {
 protected:
  void SetUp() override {
    Start();
    ShowEditingControls(editor_);
  }
  long Reads() { return Edit().Counts().Count(Request::kText); }
  long Writes() { return Edit().Counts().Count(Request::kSetText); }
};

TEST_F(TabSwitch, ActivatingTheTabOnScreenCopiesNoText) {
  PutFileInTab(1, "a.iwb", "PRINT 1\r\n");
  ActivateTab(editor_, 1);
  ASSERT_EQ(Edit().Text(), "PRINT 1\r\n");
  WriteFile(start_ / "Res" / "a.txt", ":lv2-1\r\nSetup|1!1\r\n");
  Edit().ResetCounts();

  ActivateTab(editor_, 1);
  EXPECT_EQ(Reads(), 0);
  EXPECT_EQ(Writes(), 0);
  EXPECT_EQ(Main().ViewCell(kSubroutineList, 0, 0), "Setup") << "only the side lists come back";
}

TEST_F(TabSwitch, AStarredTabIsRecognisedOnScreen) {
  PutFileInTab(1, "a.iwb", "x = 1\r\n");
  ActivateTab(editor_, 1);
  editor_.tabs.Tab(1).caption = "a.iwb*";
  Main().SetCaption(CaptionForFile("a.iwb"));
  Edit().ResetCounts();

  ActivateTab(editor_, 1);
  EXPECT_EQ(Reads() + Writes(), 0);
}

TEST_F(TabSwitch, SwitchingMovesNoTextAndKeepsBothTexts) {
  PutFileInTab(1, "a.iwb", "first\r\n");
  PutFileInTab(2, "b.iwb", "second\r\nmore\r\n");
  ActivateTab(editor_, 1);
  Edit().SetSelection(0, 0);
  Edit().ReplaceSelection("edited ", false);
  headless::RichEdit& first = Edit();
  headless::RichEdit& second = driver_.EditOf(Main(), TabEditorId(2));
  first.ResetCounts();
  second.ResetCounts();

  ActivateTab(editor_, 2);
  for (headless::RichEdit* edit : {&first, &second}) {
    EXPECT_EQ(edit->Counts().Count(Request::kText), 0) << "no whole-text read";
    EXPECT_EQ(edit->Counts().Count(Request::kSetText), 0) << "no whole-text write";
    EXPECT_EQ(edit->Counts().Count(Request::kGetLine), 0) << "no line-by-line copy";
  }
  EXPECT_EQ(&Edit(), &second) << "tab 2's own control is on screen";
  EXPECT_FALSE(Main().IsControlVisible(TabEditorId(1)));
  EXPECT_EQ(Edit().Text(), "second\r\nmore\r\n");
  EXPECT_EQ(editor_.tabs.ActiveTab(), 2);
  EXPECT_EQ(editor_.currentName, "b.iwb");
  EXPECT_EQ(Main().Caption(), CaptionForFile("b.iwb"));
  EXPECT_TRUE(std::filesystem::exists(start_ / "Res" / "a.txt")) << "the left tab's lists are kept";

  ActivateTab(editor_, 1);
  EXPECT_EQ(Edit().Text(), "edited first\r\n");
}

TEST_F(TabSwitch, ATabsTextIsKeptWholeBeyondOneMebibyte) {
  std::string big;
  while (big.size() < 1'600'000) big += "PRINT \"a line of a large program\"\r\n";
  Edit().SetTextLimit(static_cast<int>(big.size()) + 500'000);
  PutFileInTab(1, "big.iwb", big);
  PutFileInTab(2, "small.iwb", "x\r\n");
  ActivateTab(editor_, 1);
  ActivateTab(editor_, 2);
  EXPECT_EQ(TabText(1).size(), big.size());
  ActivateTab(editor_, 1);
  EXPECT_EQ(Edit().Text(), big);
}

TEST_F(TabSwitch, ReturningToATabShowsTheLineItWasViewedAt) {
  std::string text;
  for (int i = 1; i <= 200; ++i) text += "line " + std::to_string(i) + "\r\n";
  PutFileInTab(1, "a.iwb", text);
  PutFileInTab(2, "b.iwb", "x\r\n");
  ActivateTab(editor_, 1);
  Edit().LineScroll(120);
  ActivateTab(editor_, 2);
  EXPECT_EQ(editor_.tabs.Tab(1).firstVisibleLine, LineNumber(121));
  ActivateTab(editor_, 1);
  EXPECT_EQ(Edit().FirstVisibleLine(), 120);
}

TEST_F(TabSwitch, ATabOnlyNamedIsLoadedOnItsFirstShowing) {
  FileTab& named = editor_.tabs.Tab(3);
  named.caption = "c.iwb";
  named.path = start_ / "c.iwb";
  WriteFile(named.path, "from disk\r\n");

  ActivateTab(editor_, 3);
  EXPECT_EQ(Edit().Text(), "from disk\r\n");
  EXPECT_EQ(editor_.currentPath, start_ / "c.iwb");
  EXPECT_TRUE(named.inUse);
  EXPECT_EQ(TabText(3), "from disk\r\n");
}

TEST_F(TabSwitch, ATabThatFailsToLoadStaysUnloaded) {
  editor_.tabs.Tab(2).caption = "binary.iwb";
  editor_.tabs.Tab(2).path = start_ / "binary.iwb";
  WriteFile(start_ / "binary.iwb", std::string("a\0b", 3));  // refused: it would not survive a save
  ActivateTab(editor_, 2);
  EXPECT_FALSE(editor_.tabs.Tab(2).inUse);
  EXPECT_EQ(Edit().Text(), "");
}

TEST_F(TabSwitch, LeavingATabStashesItAndMarksNoOtherTabInUse) {
  editor_.tabs.Tab(1).caption = "named.iwb";  // named from the last run, never shown
  PutFileInTab(2, "b.iwb", "kept\r\n");
  ActivateTab(editor_, 2);
  Edit().SetText("changed\r\n");

  LeaveTab(editor_, 2);
  EXPECT_EQ(TabText(2), "changed\r\n");
  EXPECT_EQ(Edit().Text(), "");
  EXPECT_FALSE(editor_.tabs.Tab(1).inUse) << "its file must still be read when it is first shown";
}

TEST_F(TabSwitch, AClickOnAnEmptyTabOnlyFocusesTheEditor) {
  PutFileInTab(1, "a.iwb", "x\r\n");
  ActivateTab(editor_, 1);
  Main().Focus(kFindBox);
  const std::string caption = Main().Caption();

  EXPECT_TRUE(driver_.Click(Main(), TabButtonId(4)));
  EXPECT_EQ(Main().FocusedControl(), kEditor);
  EXPECT_EQ(Main().Caption(), caption);
  EXPECT_EQ(editor_.tabs.ActiveTab(), 1);
}

TEST_F(TabSwitch, AClickOnATabButtonActivatesItsTab) {
  PutFileInTab(1, "a.iwb", "one\r\n");
  PutFileInTab(2, "b.iwb", "two\r\n");
  ActivateTab(editor_, 1);
  EXPECT_TRUE(driver_.Click(Main(), TabButtonId(2)));
  EXPECT_EQ(Edit().Text(), "two\r\n");
  EXPECT_TRUE(Main().IsControlEnabled(TabButtonId(1))) << "the tab buttons are usable again";
  EXPECT_TRUE(driver_.TickTimer(Main(), kPositionTimer)) << "the position timer runs again";
}

}  // namespace
}  // namespace editor
