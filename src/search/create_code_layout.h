// The controls of the "Create code" window: the title and filters on top, the statement
// options and their inputs, the list of controls, and the sending buttons along the bottom.
#pragma once

#include <vector>

#include "platform/window.h"

namespace editor::create_code {

constexpr ui::ControlId kTitle = 300;
constexpr ui::ControlId kWindowLabel = 301;
constexpr ui::ControlId kWindowFilter = 302;
constexpr ui::ControlId kTypeLabel = 303;
constexpr ui::ControlId kTypeFilter = 304;
constexpr ui::ControlId kNameLabel = 305;
constexpr ui::ControlId kNameBox = 306;
constexpr ui::ControlId kNameBeginsBox = 307;
constexpr ui::ControlId kInNameBox = 308;
constexpr ui::ControlId kExcludeStaticsBox = 309;
constexpr ui::ControlId kShowBox = 310;
constexpr ui::ControlId kHideBox = 311;
constexpr ui::ControlId kStateOnBox = 312;
constexpr ui::ControlId kStateOffBox = 313;
constexpr ui::ControlId kEnableBox = 314;
constexpr ui::ControlId kDisableBox = 315;
constexpr ui::ControlId kFontBox = 316;
constexpr ui::ControlId kFontLabel = 317;
constexpr ui::ControlId kColoursBox = 318;
constexpr ui::ControlId kColoursLabel = 319;
constexpr ui::ControlId kForegroundBox = 320;
constexpr ui::ControlId kBackgroundBox = 321;
constexpr ui::ControlId kSendMessageBox = 322;
constexpr ui::ControlId kSendMessageLabel = 323;
constexpr ui::ControlId kMessageBox = 324;
constexpr ui::ControlId kWBox = 325;
constexpr ui::ControlId kLParamBox = 326;
constexpr ui::ControlId kCommandBox = 327;
constexpr ui::ControlId kCommandLabel = 328;
constexpr ui::ControlId kCommandMessageBox = 329;
constexpr ui::ControlId kPatternOptionBox = 330;
constexpr ui::ControlId kPatternBox = 331;
constexpr ui::ControlId kList = 332;
constexpr ui::ControlId kSelectAllButton = 333;
constexpr ui::ControlId kClearAllButton = 334;
constexpr ui::ControlId kSendButton = 335;
constexpr ui::ControlId kCloseAfterSendBox = 336;
constexpr ui::ControlId kPageHelpButton = 337;
constexpr ui::ControlId kByWindowButton = 338;
constexpr ui::ControlId kByGroupButton = 339;
constexpr ui::ControlId kChangeGroupButton = 340;
constexpr ui::ControlId kCloseButton = 2;

inline constexpr ui::Rect kWindowRect{0, 0, 746, 700};

// Each option whose inputs show only while it is ticked, with those inputs.
struct OptionInputs {
  ui::ControlId option;
  std::vector<ui::ControlId> inputs;
};
std::vector<OptionInputs> InputsOfOptions();

// The controls with the colour word in them get it from the caller.
std::vector<ui::ControlSpec> CreateCodeControls(const char* colourWord);

// The labels and tick boxes, which take the window's colours.
std::vector<ui::ControlId> ColouredControls();

}  // namespace editor::create_code
