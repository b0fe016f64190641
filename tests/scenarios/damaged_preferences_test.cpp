// A preference file damaged on disk: the editor starts with what it could read, the other
// settings at their defaults, and says so once its window is up.
#include <gtest/gtest.h>

#include <string>

#include "prefs/preference_file.h"
#include "scenarios/editor_fixture.h"

namespace editor {
namespace {

using DamagedPreferences = EditorTest;

int NoticesTitled(const headless::Driver& driver, const std::string& title) {
  int count = 0;
  for (const auto& closed : driver.ClosedWindows()) count += closed.caption == title ? 1 : 0;
  return count;
}

TEST_F(DamagedPreferences, AFileOfGarbageIsReportedAtStartAndAHealthyOneIsNot) {
  WriteFile(start_ / "Res" / std::string(kPreferenceFileName), std::string("\x01\x02garbage\r\n\xff\xfe\r\n#\r\n", 16));
  Start();
  EXPECT_EQ(NoticesTitled(driver_, "Please check"), 1);
  EXPECT_TRUE(Main().IsVisible());
}

TEST_F(DamagedPreferences, TheFactoryFileStartsWithoutANotice) {
  WriteFile(start_ / "Res" / std::string(kPreferenceFileName), FactoryPreferenceText());
  Start();
  EXPECT_EQ(NoticesTitled(driver_, "Please check"), 0);
}

}  // namespace
}  // namespace editor
