#include "app/startup.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace editor
