// The gutter after a jump to the end of the file: every row numbers the line beside it
// and the caret's line carries the marker, whichever way the end was reached.
#include <gtest/gtest.h>

#include "navigation/position_timer.h"
#include "prefs/preferences_in_force.h"
#include "scenarios/file_commands_fixture.h"

namespace editor {
namespace {

class GutterAtTheEnd : public FileCommandsTest {
 protected:
  void SetUp() override {
    FileCommandsTest::SetUp();
    std::string text;
    for (int i = 1; i <= 100; ++i) text += "PRINT " + std::to_string(i) + "\r\n";
    Open(Source("long.iwb", text));  // 101 lines: the last one empty
  }
  void PressCtrlEnd() {
    Main().Focus(kEditor);
    driver_.PressCtrlKey(Main(), ui::key::kEnd);
    OnPositionTimer(editor_);
  }
  // The view holds whole rows, so that each row has its label beside it, and each label
  // shows the line on its row; the last row in view is the last line, marked.
  void ExpectEveryRowNumberedAndTheLastLineMarked() {
    const int height = editor_.metrics.lineHeight;
    const int rows = editor_.metrics.gutterLines;
    EXPECT_EQ(Edit().ScrollPosition().y % height, 0) << "a row partly scrolled out";
    const int first = Edit().FirstVisibleLine();
    for (int i = 1; i < rows; ++i)
      EXPECT_EQ(Main().GetText(kFirstGutterLabel + i - 1), std::to_string(first + i)) << "row " << i;
    EXPECT_EQ(Main().GetText(kFirstGutterLabel + rows - 1), "> 101");
    EXPECT_EQ(Edit().PositionFromChar(Edit().LineIndex(100)).y, (rows - 1) * height);
  }
};

TEST_F(GutterAtTheEnd, CtrlEndLeavesTheLastLineOnTheLastNumberedRow) {
  PressCtrlEnd();
  ExpectEveryRowNumberedAndTheLastLineMarked();
}

TEST_F(GutterAtTheEnd, TheLastLineButtonDoesTheSame) {
  ASSERT_TRUE(driver_.Click(Main(), kLastLineButton));
  ExpectEveryRowNumberedAndTheLastLineMarked();
}

TEST_F(GutterAtTheEnd, SoDoesALineHeightTheEditAreaIsNoWholeMultipleOf) {
  editor_.prefs.editorFont.pointSize = 13;  // 17-pixel lines
  PutSettingsInForce(editor_);
  ASSERT_EQ(editor_.metrics.lineHeight, 17);
  PressCtrlEnd();
  ExpectEveryRowNumberedAndTheLastLineMarked();
}

}  // namespace
}  // namespace editor
