// Ids of the main window's controls and timers, named so that code reads kEditor, not 904.
#pragma once

#include "platform/types.h"

namespace editor {

constexpr ui::ControlId kEditor = 904;
constexpr ui::ControlId kLineScrollBar = 902;

constexpr int kPositionTimer = 880;

}  // namespace editor
