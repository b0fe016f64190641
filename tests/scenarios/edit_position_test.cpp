// The position fields at the top right: shown from start-up as the preference says, and
// following the caret on each key release and each left click in the text.
#include <gtest/gtest.h>

#include "base/control_ids.h"
#include "prefs/preference_file.h"
#include "scenarios/file_commands_fixture.h"

namespace editor {
namespace {

class EditPosition : public FileCommandsTest {
 protected:
  void SetUp() override {}
  void StartWithCoordinates(bool shown) {
    EditorPreferences prefs;
    prefs.showEditCoordinates = shown;
    ASSERT_TRUE(WritePreferenceFile(DiskFiles(), start_ / "Res" / std::string(kPreferenceFileName), prefs));
    Start();
  }
  void OpenText(const std::string& text) {
    Open(Source("prog.iwb", text));
    Main().Focus(kEditor);
  }
  int Field(ui::ControlId id) { return std::stoi(Main().GetText(id)); }
  bool PanelShown() {
    for (ui::ControlId id : {kCurrentLineField, kColumnField, kEditPositionField, kEditOffsetField})
      if (!Main().IsControlVisible(id)) return false;
    return true;
  }
};

TEST_F(EditPosition, ThePanelFollowsItsPreferenceFromStartUpAndItsBoxFlipsIt) {
  StartWithCoordinates(false);
  OpenText("x = 1\r\n");
  EXPECT_FALSE(Main().IsControlVisible(kCurrentLineField));
  EXPECT_EQ(Main().GetText(kShowEditPositionBox), "Show the edit position");
  ASSERT_TRUE(driver_.Click(Main(), kShowEditPositionBox));
  EXPECT_TRUE(PanelShown());
  EXPECT_EQ(Main().GetText(kShowEditPositionBox), "Hide the edit position");
}

TEST_F(EditPosition, ShownAtStartUpWhenThePreferenceIsOn) {
  StartWithCoordinates(true);
  EXPECT_TRUE(PanelShown());
  EXPECT_EQ(Main().GetText(kShowEditPositionBox), "Hide the edit position");
}

TEST_F(EditPosition, TypingAndClickingMoveTheFieldsWithTheCaret) {
  StartWithCoordinates(true);
  OpenText("x = 1\r\nPRINT a\r\n");
  Edit().SetSelection(6, 6);  // a break is one character in the control
  driver_.TypeText(Main(), "ab");  // line 2, after two characters
  EXPECT_EQ(Field(kCurrentLineField), 2);
  EXPECT_EQ(Field(kColumnField), 3);
  const int column = Field(kEditPositionField);
  EXPECT_GT(column, 1) << "the view's column moved off the line's start";
  EXPECT_EQ(Field(kEditOffsetField), 6 + column) << "the offset counts from the caret line's start";

  driver_.LeftClickAt(Main(), kEditor, 3);  // line 1, before "1"
  EXPECT_EQ(Field(kCurrentLineField), 1);
  EXPECT_EQ(Field(kColumnField), 4);
  EXPECT_LT(Field(kEditPositionField), column + 2);
  EXPECT_EQ(Field(kEditOffsetField), Field(kEditPositionField));
}

}  // namespace
}  // namespace editor
