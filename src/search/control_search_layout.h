// The controls of the "Search controls" window and where they stand: the name and the
// filters on top, the list of controls, then the find, place and clipboard options.
#pragma once

#include <vector>

#include "platform/window.h"

namespace editor::control_search {

constexpr ui::ControlId kNameLabel = 200;
constexpr ui::ControlId kNameBox = 201;
constexpr ui::ControlId kNameBeginsBox = 202;
constexpr ui::ControlId kInNameBox = 203;
constexpr ui::ControlId kExcludeStaticsBox = 204;
constexpr ui::ControlId kGoToControlBox = 205;
constexpr ui::ControlId kGoToCaseBox = 206;
constexpr ui::ControlId kKeepOpenBox = 207;
constexpr ui::ControlId kWindowFilterLabel = 208;
constexpr ui::ControlId kWindowFilter = 209;
constexpr ui::ControlId kTypeLabel = 210;
constexpr ui::ControlId kTypeFilter = 211;
constexpr ui::ControlId kList = 212;
constexpr ui::ControlId kStatus = 213;
constexpr ui::ControlId kFindWithWordsBox = 214;
constexpr ui::ControlId kExtraWordsBox = 215;
constexpr ui::ControlId kSavePlaceBox = 216;
constexpr ui::ControlId kSendButton = 217;
constexpr ui::ControlId kCloseAfterSendBox = 218;
constexpr ui::ControlId kCreateCodeButton = 219;
constexpr ui::ControlId kGroupsButton = 220;
constexpr ui::ControlId kHideButton = 221;
constexpr ui::ControlId kPageHelpButton = 222;
constexpr ui::ControlId kCloseButton = 2;

inline constexpr ui::Rect kWindowRect{0, 0, 746, 650};

std::vector<ui::ControlSpec> ControlSearchControls();

// The labels and tick boxes, which take the window's colours.
inline constexpr ui::ControlId kColouredControls[] = {
    kNameLabel,   kNameBeginsBox,    kInNameBox, kExcludeStaticsBox, kGoToControlBox, kGoToCaseBox,
    kKeepOpenBox, kWindowFilterLabel,      kTypeLabel, kStatus,            kFindWithWordsBox, kSavePlaceBox,
    kCloseAfterSendBox};

}  // namespace editor::control_search
