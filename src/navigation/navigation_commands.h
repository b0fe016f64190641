// Moving through the file: first and last line, the go-to-line boxes and their buttons,
// the current-line field and the tab buttons.
#pragma once

#include <string>

#include "state/command_table.h"
#include "state/editor.h"

namespace editor {

// The rows of the first and last line buttons, the go-to-line boxes and buttons, the
// current-line field and the tab buttons.
CommandRows NavigationCommands();

void GoToFirstLine(Editor& editor);
void GoToLastLine(Editor& editor);
void OnGoToBoxChanged(Editor& editor, ui::ControlId box);
void OnGoToButton(Editor& editor, ui::ControlId button);
void OnCurrentLineFieldChanged(Editor& editor);
void OnTabButton(Editor& editor, int tab);

// The go button beside a go-to-line box, and the box beside a button.
ui::ControlId GoButtonOfBox(ui::ControlId box);
ui::ControlId BoxOfGoButton(ui::ControlId button);

}  // namespace editor
