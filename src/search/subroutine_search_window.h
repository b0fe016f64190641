// The "Search local subroutines" window: the file's subroutines by name, a click going to
// the one chosen.
#pragma once

#include "state/command_table.h"

namespace editor {

struct Editor;

namespace subroutine_search {
constexpr ui::ControlId kNameBox = 400;
constexpr ui::ControlId kBeginsBox = 401;
constexpr ui::ControlId kInNameBox = 402;
constexpr ui::ControlId kList = 403;
constexpr ui::ControlId kCloseOnPickBox = 404;
constexpr ui::ControlId kCloseButton = 2;
}  // namespace subroutine_search

// Returns when the window has closed.
void RunSubroutineSearch(Editor& editor);

CommandRows SubroutineSearchCommands();

}  // namespace editor
