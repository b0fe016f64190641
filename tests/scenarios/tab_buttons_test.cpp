// Where the tab buttons stand as files are opened, saved under a new name and closed: at
// their fixed places, or sized to their captions while the resize-tabs switch is on.
#include <gtest/gtest.h>

#include "scenarios/file_commands_fixture.h"

namespace editor {
namespace {

class TabButtons : public FileCommandsTest {
 protected:
  ui::Rect Place(int tab) { return Main().ControlRect(TabButtonId(tab)); }
  void OpenTwo() {
    Open(Source("a.iwb", "a = 1\r\n"));
    Open(Source("longer_name.iwb", "b = 2\r\n"));
  }
  void SaveSecondAsMm() {
    driver_.AnswerSaveDialog(start_ / "mm.iwb");
    ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuSaveFileAs));
  }
  void CloseFirst() {
    ASSERT_TRUE(driver_.Click(Main(), TabButtonId(1)));
    ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuCloseFile));
  }
};

TEST_F(TabButtons, KeepTheirFixedPlacesWhileTheSwitchIsOff) {
  editor_.resizeTabs = false;
  OpenTwo();
  EXPECT_EQ(Place(1), (ui::Rect{0, 642, 225, 25}));
  EXPECT_EQ(Place(2), (ui::Rect{225, 642, 225, 25}));
  SaveSecondAsMm();
  EXPECT_EQ(Place(2), (ui::Rect{225, 642, 225, 25}));
  CloseFirst();
  EXPECT_EQ(Main().GetText(TabButtonId(1)), "mm.iwb*");
  EXPECT_EQ(Place(1), (ui::Rect{0, 642, 225, 25}));
  EXPECT_FALSE(Main().IsControlVisible(TabButtonId(2)));
}

TEST_F(TabButtons, FollowTheirCaptionsWhileTheSwitchIsOn) {
  editor_.resizeTabs = true;
  OpenTwo();
  constexpr int kA = 63;  // "a.iwb": 20 + 11 + 4 + 6 + 11 + 11
  EXPECT_EQ(Place(1), (ui::Rect{0, 642, kA, 25}));
  EXPECT_EQ(Place(2).x, kA);
  SaveSecondAsMm();
  EXPECT_EQ(Place(2), (ui::Rect{kA, 642, 89, 25}));
  CloseFirst();
  EXPECT_EQ(Place(1), (ui::Rect{0, 642, 89, 25}));
  EXPECT_FALSE(Main().IsControlVisible(TabButtonId(2)));
}

}  // namespace
}  // namespace editor
