// The "Copy and swap code around" tool: a small window that asks for an operator and
// swaps the two sides of it in every line of the clipboard's text.
#pragma once

#include <string_view>

#include "state/command_table.h"
#include "state/editor.h"

namespace editor {

namespace transpose {
constexpr std::string_view kCaption = "Transpose lines of code.";
constexpr ui::ControlId kOperatorLabel = 2313;
constexpr ui::ControlId kOperatorBox = 10;
constexpr ui::ControlId kTransposeButton = 2309;
constexpr ui::ControlId kCloseButton = 2310;
}  // namespace transpose

// Runs until the window closes. Transposing replaces the clipboard's text, closes the
// window and says so; an operator of blanks only is refused and the window stays.
void RunTransposeWindow(Editor& editor);

// The context menu's item: the selection goes on the clipboard, then the window opens.
CommandRows TransposeCommands();

}  // namespace editor
