// The "Places I've been" pane's commands: add the caret's line, step back and forward,
// go to a place picked from the list, remove the chosen place, clear them all, and the
// "Remember places" and "Allow duplicate places" switches.
#pragma once

#include "state/command_table.h"
#include "state/editor.h"

namespace editor {

CommandRows PlacesCommands();

void AddPlaceCommand(Editor& editor);
void GoBackCommand(Editor& editor);
void GoForwardCommand(Editor& editor);
void OnPlaceChosen(Editor& editor);
void RemovePlaceCommand(Editor& editor);
void ClearPlacesCommand(Editor& editor);
void OnRememberPlacesBox(Editor& editor);
void OnAllowDuplicatePlacesBox(Editor& editor);

}  // namespace editor
