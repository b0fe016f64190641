// The help button and the constants tool: started beside the editor when installed, a
// notice (and no minimised editor) when not.
#include <gtest/gtest.h>

#include "base/control_ids.h"
#include "scenarios/file_commands_fixture.h"

namespace editor {
namespace {

using HelpLaunch = FileCommandsTest;

TEST_F(HelpLaunch, AHelpFileOrToolThatIsNotInstalledGetsANoticeInsteadOfANewWindow) {
  ASSERT_TRUE(driver_.Click(Main(), kHelpButton));
  EXPECT_TRUE(NoticeShown("Please check"));
  EXPECT_FALSE(Main().IsMinimised());
  EXPECT_TRUE(driver_.Launches().empty());

  WriteFile(start_ / "Res" / "tallowmere-editor.chm", "help");
  ASSERT_TRUE(driver_.Click(Main(), kHelpButton));
  ASSERT_EQ(driver_.Launches().size(), 1u);
  EXPECT_EQ(driver_.Launches()[0].program, "hh.exe");
  EXPECT_EQ(driver_.Launches()[0].arguments, (start_ / "Res" / "tallowmere-editor.chm").string());
  EXPECT_TRUE(Main().IsMinimised());
}

}  // namespace
}  // namespace editor
