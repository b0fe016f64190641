// The multi-select window of the subroutine and window panes: every entry with its lines,
// several picked at once and copied together to the clipboard or a code block.
#pragma once

#include "model/declaration_lines.h"

namespace editor {

struct Editor;

namespace multi_select {
constexpr int kList = 570;
constexpr int kCopyButton = 510;
constexpr int kBlockButton = 512;
constexpr int kClearButton = 710;
constexpr int kCloseButton = 2;
}  // namespace multi_select

// Runs until the user closes it.
void RunMultiSelectWindow(Editor& editor, Declaration kind);

}  // namespace editor
