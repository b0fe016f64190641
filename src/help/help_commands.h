// Help and the outside tools: the user guide, the help viewer and the constants search,
// each started through the shell with the main window minimised.
#pragma once

#include <string_view>

#include "state/command_table.h"
#include "state/editor.h"

namespace editor {

void OpenUserGuide(Editor& editor);   // the help file with its registered viewer
void OpenHelpViewer(Editor& editor);  // the help file in hh.exe
void StartApiSearchTool(Editor& editor);
// One page of the help file in hh.exe, for the tool windows' help buttons; the window
// asking stays as it is.
void OpenHelpPage(Editor& editor, std::string_view page);

CommandRows HelpCommands();

}  // namespace editor
