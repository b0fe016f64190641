// The code blocks share the edit area with the file's own code, the main code: each block
// is a rich edit of its own in the edit control's place, and at most one of the five is
// on screen. The file's control is only ever hidden and shown here, never written, so that
// nothing done in a block can reach the file. ViewState::blockView names the one shown.
#pragma once

#include "state/editor.h"

namespace editor {

// Block 1..4's editor; nullptr for another number or before the window exists.
ui::RichEdit* CodeBlockEditor(Editor& editor, int block);
// The block on screen; nullptr while the main code is.
ui::RichEdit* ShownCodeBlock(Editor& editor);
// A block holds code while its text is not empty; an empty block is free.
bool CodeBlockHoldsCode(Editor& editor, int block);

// The main code on screen with its scroll bar, the blocks and their copy and delete
// buttons hidden, the "Main program" button marked; focus on the editor.
void ShowMainCode(Editor& editor);
// Block 1..4 on screen in the edit control's place, its button marked and enabled, the
// copy and delete buttons shown; the editor and its scroll bar hidden; focus on the block.
void ShowBlock(Editor& editor, int block);
// Back to the main code when a block is shown: for what moves in or changes the file.
void LeaveCodeBlock(Editor& editor);
// The same as a layout with a file comes on screen: the buttons and tips follow the file
// now shown, and the focus moves only out of a block that goes.
void ShowMainCodeInLayout(Editor& editor);

}  // namespace editor
