#include "app/startup.h"

#include <gtest/gtest.h>

#include "base/control_ids.h"
#include "base/menu_ids.h"
#include "scenarios/editor_fixture.h"
#include "view/main_window.h"

namespace editor {
namespace {

using Startup = EditorTest;

TEST_F(Startup, ResInAnyLetterCaseCountsAsSetUp) {
  std::filesystem::rename(start_ / "Res", start_ / "rEs");
  Start();
  EXPECT_EQ(editor_.folders.Res(), start_ / "rEs");
}

TEST_F(Startup, AStartFolderWithoutResStillStartsWithTheDefaults) {
  std::filesystem::remove_all(start_ / "Res");
  Start();
  EXPECT_EQ(editor_.folders.Res(), start_ / "Res");
  EXPECT_TRUE(Main().IsOpen());
}

TEST(ResetMarker, LastLineIsTheKeepSwitchAndGarbageReadsAsZero) {
  const auto folder = std::filesystem::temp_directory_path() / ("marker-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(folder / "Res");
  const FolderLayout layout(folder);
  EXPECT_EQ(ReadResetMarker(layout), std::nullopt);
  const auto write = [&](const std::string& content) {
    std::ofstream(folder / "Res" / "First.txt", std::ios::binary) << content;
  };
  write("1");
  EXPECT_EQ(ReadResetMarker(layout), true);
  write("1\r\n0\r\n");
  EXPECT_EQ(ReadResetMarker(layout), false);
  write("");
  EXPECT_EQ(ReadResetMarker(layout), false);
  write("\x01\xff garbage\n");
  EXPECT_EQ(ReadResetMarker(layout), false);
  std::filesystem::remove_all(folder);
}

TEST_F(Startup, NothingRestoredLeavesNoTabActiveAndThePositionTimerRunning) {
  Start();
  EXPECT_EQ(editor_.tabs.ActiveTab(), 0);
  EXPECT_EQ(editor_.tabs.OpenFileCount(), 0);
  EXPECT_EQ(editor_.tabToActivate, 0);
  EXPECT_TRUE(driver_.TickTimer(Main(), kPositionTimer));
  EXPECT_EQ(Main().GetText(kCurrentLineField), "1");
}

// Every kind of line an old or damaged state file may hold: only readable files named once
// take tabs, and "!" counts the lines as they were written.
TEST_F(Startup, TheTabsOfTheLastRunComeBackAndWhatNamesNoFileTakesNone) {
  WriteFile(start_ / "a.iwb", "x = 1\r\n");
  WriteFile(start_ / "b.iwb", "y = 2\r\n");
  std::filesystem::create_directories(start_ / "folder.iwb");
  const std::string a = (start_ / "a.iwb").string();
  WriteFile(start_ / "Res" / "vorevav4.ini", (start_ / "gone.iwb").string() + "\r\n" + a + "\r\n" +
                                                 (start_ / "folder.iwb").string() + "\r\n\r\n" + a + "\r\n" +
                                                 (start_ / "b.iwb").string() + "\r\n\x01\xff\r\n!5\r\n#1\r\n");
  Start();
  EXPECT_EQ(editor_.tabs.OpenFileCount(), 2);
  EXPECT_EQ(editor_.tabs.ActiveTab(), 2) << "the fifth path line";
  EXPECT_EQ(Edit().Text(), "y = 2\r\n");
  EXPECT_EQ(Main().GetText(TabButtonId(1)), "a.iwb");
  EXPECT_TRUE(editor_.resizeTabs);
  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(1)));
  EXPECT_EQ(Edit().Text(), "x = 1\r\n") << "read when first shown";
}

TEST_F(Startup, AFileOpenedBeforeANamedTabIsShownTakesANewTab) {
  WriteFile(start_ / "a.iwb", "x = 1\r\n");
  WriteFile(start_ / "b.iwb", "y = 2\r\n");
  WriteFile(start_ / "c.iwb", "z = 3\r\n");
  WriteFile(start_ / "Res" / "vorevav4.ini",
            (start_ / "a.iwb").string() + "\r\n" + (start_ / "b.iwb").string() + "\r\n!1\r\n");
  Start();
  driver_.AnswerOpenDialog(start_ / "c.iwb");
  ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuOpenFile));
  EXPECT_EQ(editor_.tabs.ActiveTab(), 3) << "tab 2 still holds b.iwb";
  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(2)));
  EXPECT_EQ(Edit().Text(), "y = 2\r\n");
}

TEST_F(Startup, AStateFileOfOnlyBangZeroOpensNothing) {
  WriteFile(start_ / "Res" / "vorevav4.ini", "!0\r\n#1\r\n");
  Start();
  EXPECT_EQ(editor_.tabs.OpenFileCount(), 0);
  EXPECT_EQ(editor_.tabs.ActiveTab(), 0);
  EXPECT_TRUE(editor_.resizeTabs);
}

}  // namespace
}  // namespace editor
