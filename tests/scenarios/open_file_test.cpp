// Opening files through the Open command, as a user does.
#include <gtest/gtest.h>

#include "scenarios/file_commands_fixture.h"

namespace editor {
namespace {

using OpenFile = FileCommandsTest;

TEST_F(OpenFile, AFileOpensIntoTheFirstTabIndexedAndRemembered) {
  Open(Source("prog.iwb", "SUB Main\r\n  PRINT 1\r\nENDSUB\r\n"));
  EXPECT_EQ(editor_.tabs.ActiveTab(), 1);
  EXPECT_EQ(Main().GetText(TabButtonId(1)), "prog.iwb");
  EXPECT_EQ(Edit().Text(), "SUB Main\r\n  PRINT 1\r\nENDSUB\r\n");
  ASSERT_EQ(Main().ViewRowCount(kSubroutineList), 1);
  EXPECT_EQ(Main().ViewCell(kSubroutineList, 0, 0), "Main");
  EXPECT_TRUE(std::filesystem::exists(start_ / "Res" / "prog.txt"));
  EXPECT_EQ(Read(start_ / "Res" / "prog.pth").find((start_ / "prog.iwb").string()), 0u);
  EXPECT_NE(Read(start_ / "Res" / "RecentFiles.ini").find("prog.iwb"), std::string::npos);
  EXPECT_EQ(Edit().ColourAt(0), editor_.prefs.keyword);
}

TEST_F(OpenFile, AFileOpenInTabThreeIsShownNotOpenedAgain) {
  const auto a = Source("a.iwb", "x = 1\r\n");
  Open(a);
  Open(Source("b.iwb", "x = 2\r\n"));
  Open(Source("c.iwb", "x = 3\r\n"));
  Open(Source("d.iwb", "x = 4\r\n"));
  EXPECT_EQ(editor_.tabs.ActiveTab(), 4);
  Open(start_ / "c.iwb");
  EXPECT_EQ(editor_.tabs.ActiveTab(), 3);
  EXPECT_EQ(Edit().Text(), "x = 3\r\n");
  EXPECT_TRUE(Main().GetText(TabButtonId(5)).empty());
  // The tabs left behind kept their own texts.
  Open(a);
  EXPECT_EQ(Edit().Text(), "x = 1\r\n");
}

TEST_F(OpenFile, TheSixthTabIsFilledAndThenOpenIsRefusedWithoutADialog) {
  for (int i = 1; i <= 6; ++i) Open(Source("f" + std::to_string(i) + ".iwb", "x = 1\r\n"));
  EXPECT_EQ(editor_.tabs.ActiveTab(), 6);
  const std::size_t dialogs = driver_.Dialogs().size();
  ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuOpenFile));
  EXPECT_EQ(driver_.Dialogs().size(), dialogs);
  EXPECT_TRUE(NoticeShown("Sorry"));
}

TEST_F(OpenFile, AFileWithANulIsRefusedAndNothingChanges) {
  Open(Source("good.iwb", "x = 1\r\n"));
  const auto bad = Source("bad.iwb", std::string("x\0y\r\n", 5));
  Open(bad);
  EXPECT_TRUE(NoticeShown("Please check"));
  EXPECT_EQ(editor_.tabs.ActiveTab(), 1);
  EXPECT_EQ(Edit().Text(), "x = 1\r\n");
  EXPECT_EQ(Read(bad), std::string("x\0y\r\n", 5));
}

TEST_F(OpenFile, LfOnlyAndLargeFilesLoadWithTheirLinesAndLimits) {
  Open(Source("lf.iwb", "a = 1\nb = 2\n"));
  EXPECT_EQ(Edit().LineCount(), 3);
  EXPECT_EQ(Edit().GetLine(1, 100), "b = 2\r");
  Open(Source("exact.iwb", std::string(500'000, 'x')));
  EXPECT_EQ(Edit().TextLimit(), 1'048'576);
  Open(Source("over.iwb", std::string(500'001, 'x')));
  EXPECT_EQ(Edit().TextLimit(), 1'000'001);
}

}  // namespace
}  // namespace editor
