// The controls of the search results window and where they stand: the list on top, the
// options, progress and status in the middle, the selection buttons along the bottom.
#pragma once

#include <vector>

#include "platform/window.h"

namespace editor::results_window {

constexpr ui::ControlId kList = 100;
constexpr ui::ControlId kFilterLabel = 101;
constexpr ui::ControlId kFilterCombo = 102;
constexpr ui::ControlId kGoToBox = 103;
constexpr ui::ControlId kReplaceToggle = 104;
constexpr ui::ControlId kPauseButton = 105;
constexpr ui::ControlId kStopButton = 106;
constexpr ui::ControlId kStatus = 107;
constexpr ui::ControlId kSelectAllButton = 108;
constexpr ui::ControlId kClearAllButton = 109;
constexpr ui::ControlId kCopyButton = 110;
constexpr ui::ControlId kIncludeNamesBox = 111;
constexpr ui::ControlId kFindText = 112;
constexpr ui::ControlId kWithLabel = 113;
constexpr ui::ControlId kWithText = 114;
constexpr ui::ControlId kReplaceNowButton = 115;
constexpr ui::ControlId kModeLabel = 116;
constexpr ui::ControlId kSearchBox = 117;
constexpr ui::ControlId kSearchButton = 118;
constexpr ui::ControlId kClearButton = 119;
constexpr ui::ControlId kExactModeBox = 120;
constexpr ui::ControlId kWordsModeBox = 121;
constexpr ui::ControlId kFirstExtentBox = 122;
constexpr ui::ControlId kAllExtentBox = 123;
constexpr ui::ControlId kLastExtentBox = 124;
constexpr ui::ControlId kAndJoinBox = 125;
constexpr ui::ControlId kOrJoinBox = 126;
constexpr ui::ControlId kSuggestionList = 127;
constexpr ui::ControlId kCloseButton = 2;

inline constexpr ui::Rect kWindowRect{0, 0, 800, 640};
// The empty bar is framed here; a finished search wipes the wider area around it.
inline constexpr ui::Rect kProgressBox{10, 394, 200, 10};
inline constexpr ui::Rect kProgressArea{10, 390, 250, 20};

// Every control in its first state: the replace panel, the filter, the selection buttons,
// the search controls and the suggestion list hidden.
std::vector<ui::ControlSpec> ResultsWindowControls();

// The controls of the replace panel and the selection buttons, shown and hidden together.
inline constexpr ui::ControlId kReplacePanel[] = {kFindText, kWithLabel, kWithText, kReplaceNowButton};
inline constexpr ui::ControlId kSelectionButtons[] = {kSelectAllButton, kClearAllButton, kCopyButton,
                                                      kIncludeNamesBox};

}  // namespace editor::results_window
