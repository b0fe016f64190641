// The editor with its built parts connected, as the program runs it.
#include <gtest/gtest.h>

#include "files/tab_switch.h"
#include "scenarios/editor_fixture.h"
#include "view/main_window.h"

namespace editor {
namespace {

using InstalledParts = EditorTest;

TEST_F(InstalledParts, ThePreferenceFileIsReadBeforeTheWindowIsMade) {
  std::string lines;
  for (int line = 1; line <= 47; ++line) lines += (line == 6 ? "255" : line == 3 ? "Courier New" : "1") + std::string("\r\n");
  WriteFile(start_ / "Res" / "vorevav4Defaults.ini", lines);
  Start();
  EXPECT_EQ(editor_.prefs.windowBackground, ui::Rgb(255, 0, 0));
}

TEST_F(InstalledParts, EachTabKeepsItsOwnSubroutineListAcrossASwitch) {
  Start();
  PutFileInTab(1, "one.iwb", "SUB Main\r\nENDSUB\r\n");
  PutFileInTab(2, "two.iwb", "x = 1\r\n");
  ActivateTab(editor_, 1);
  const int row = Main().ViewInsertRow(kSubroutineList, 0, "Main");
  Main().ViewSetCell(kSubroutineList, row, 1, "1");
  Main().ViewSetCell(kSubroutineList, row, 2, "2");
  Main().ListAdd(kSubroutineCombo, "Main");

  ActivateTab(editor_, 2);
  EXPECT_EQ(Main().ViewRowCount(kSubroutineList), 0) << "tab 2 has no subroutines";
  ActivateTab(editor_, 1);
  ASSERT_EQ(Main().ViewRowCount(kSubroutineList), 1);
  EXPECT_EQ(Main().ViewCell(kSubroutineList, 0, 0), "Main");
  EXPECT_EQ(Main().ViewCell(kSubroutineList, 0, 2), "2");
  EXPECT_EQ(Main().ListCount(kSubroutineCombo), 1);
  EXPECT_TRUE(Main().IsControlVisible(kEditor));
  EXPECT_EQ(Main().Caption(), CaptionForFile("one.iwb"));
}

}  // namespace
}  // namespace editor
