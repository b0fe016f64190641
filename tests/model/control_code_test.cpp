// The statements written for chosen controls.
#include "model/control_code.h"

#include <gtest/gtest.h>

namespace editor {
namespace {

TEST(ControlCode, OptionsComeInTheirFixedOrderWithABlankLineBetweenControls) {
  CodeOptions options;
  options.show = true;
  options.enable = true;
  EXPECT_EQ(ControlCode({{"w1", "IDOK"}, {"d1", "IDC_NAME"}}, options),
            "ENABLECONTROL w1,IDOK,1\rSHOWWINDOW w1,@SWSHOW,IDOK\r\r"
            "ENABLECONTROL d1,IDC_NAME,1\rSHOWWINDOW d1,@SWSHOW,IDC_NAME\r\r");
  options = {};
  options.font = std::make_pair(std::string("Courier New"), 12);
  EXPECT_EQ(ControlCode({{"w1", "IDC_OK"}}, options), "SETFONT w1,\"Courier New\",12,400,0,IDC_OK\r");
}

TEST(ControlCode, EmptyMessageBoxesTakeStandInsAndPatternsTakeTheNames) {
  CodeOptions options;
  options.sendMessage = SendMessageArguments{};
  EXPECT_EQ(ControlCode({{"w1", "IDOK"}}, options), "SENDMESSAGE(GETCONTROLHANDLE(w1,IDOK),MESSAGE,0,0)\r");
  options = {};
  options.pattern = "MaskEditControl(W*,c*,Something) ' c* again";
  EXPECT_EQ(ControlCode({{"d1", "c2"}}, options), "MaskEditControl(d1,c2,Something) ' c2 again\r");
  EXPECT_FALSE(PatternUsable("MaskEditControl(x,y)"));
  EXPECT_TRUE(PatternUsable("Do(C*)"));
}

TEST(ControlCode, LowerCaseKeyWordsKeepWhatTheUserTyped) {
  CodeOptions options;
  options.hide = true;
  options.colours = std::make_pair(std::string("RGB(1,2,3)"), std::string("RGB(4,5,6)"));
  options.lowerCase = true;
  EXPECT_EQ(ControlCode({{"w1", "IDOK"}}, options),
            "setcontrolcolor w1,IDOK,RGB(1,2,3),RGB(4,5,6)\rshowwindow w1,@swhide,IDOK\r\r");
}

}  // namespace
}  // namespace editor
