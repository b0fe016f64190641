// Cut, copy, paste, select all and the find picks of the Edit menu and the context menu.
#pragma once

#include "state/editor.h"

namespace editor {

void CutCommand(Editor& editor);
void CopyCommand(Editor& editor);
void PasteCommand(Editor& editor, bool fromMenuBar);
void SelectAllCommand(Editor& editor);
void FocusFindBox(Editor& editor);
// Find First, All or Last: that box ticked, the other two cleared, then find.
void FindWithExtent(Editor& editor, ui::ControlId extentBox);
void TransposeCommand(Editor& editor);
void FindThisControlCommand(Editor& editor);

// Selected text uses CR breaks inside the control; other programs expect CR LF.
std::string WithCrLfBreaks(std::string_view text);

}  // namespace editor
