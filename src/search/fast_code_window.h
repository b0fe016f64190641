// The "Fast code" window: per control type, the one-line snippets the user has collected,
// with a box to add one and a way to copy the ticked ones to the clipboard.
#pragma once

#include <string_view>

#include "state/command_table.h"
#include "state/editor.h"

namespace editor {

namespace fast_code {
constexpr std::string_view kCaption = "Fast code";
constexpr ui::ControlId kTypeLabel = 1;
constexpr ui::ControlId kTypeCombo = 2;
constexpr ui::ControlId kHintLabel = 3;
constexpr ui::ControlId kAddLabel = 4;
constexpr ui::ControlId kAddBox = 5;
constexpr ui::ControlId kSaveButton = 6;
constexpr ui::ControlId kList = 7;
constexpr ui::ControlId kSelectAllButton = 8;
constexpr ui::ControlId kClearAllButton = 9;
constexpr ui::ControlId kCopyButton = 10;
constexpr ui::ControlId kCloseAfterCopyBox = 11;
constexpr ui::ControlId kCloseButton = 12;
}  // namespace fast_code

// Runs until the window closes; the "Add line" box starts with the find box's text.
void RunFastCodeWindow(Editor& editor);

// The main window's "Fast code" button: the main window steps aside while it runs.
CommandRows FastCodeCommands();

}  // namespace editor
