// The " Bookmarks" pane's commands: add the clicked line with an optional description,
// remove the chosen bookmark, clear them all, and go to a bookmark from the list or the
// go button, recording places around the jump.
#pragma once

#include "state/command_table.h"
#include "state/editor.h"

namespace editor {

CommandRows BookmarkCommands();

void AddBookmarkCommand(Editor& editor);
void RemoveBookmarkCommand(Editor& editor);
void ClearBookmarksCommand(Editor& editor);
void OnBookmarkChosen(Editor& editor);
void GoToBookmarkCommand(Editor& editor);

}  // namespace editor
