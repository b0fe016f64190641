// Parking code in a free code block: what copying a subroutine, a window or a selection
// "to a block" does with its text.
#pragma once

#include <optional>
#include <string_view>

#include "state/editor.h"

namespace editor {

// Puts the text on the clipboard and into the first free block (1, 2, 3, 4, in that
// order), which comes on screen with its lines coloured and the caret at its start.
// Returns the block's number. When no block takes the text, no block changes, the view
// stays as it was and a notice says why: all four hold code (the text is still on the
// clipboard), or there is no text to put.
std::optional<int> PutInFreeBlock(Editor& editor, std::string_view text);

// The copy-to-a-block commands' whole step: PutInFreeBlock, then "Copied to block" and
// back to the block that was on screen before, if one was. False when no block took it.
bool CopyToBlock(Editor& editor, std::string_view text);

}  // namespace editor
