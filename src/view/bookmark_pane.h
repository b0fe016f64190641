// The bookmark pane mirrors the editor's bookmarks: the drop-down list 2200 (one entry per
// bookmark), the hidden detail list 2306 (line and description), the remove and clear
// buttons (shown only while there are bookmarks) and the go button's tool tip.
#pragma once

#include "state/editor.h"

namespace editor {

inline constexpr std::string_view kGoToBookmarkTip = "Go to this bookmark";
inline constexpr std::string_view kSelectBookmarkTip = "Please select a bookmark";
inline constexpr std::string_view kNoBookmarksTip = "No bookmarks added yet";

// Both lists rebuilt from editor.bookmarks; the entry at `selected` (0-based) is chosen
// when there is one, otherwise none. Then the buttons.
void ShowBookmarks(Editor& editor, int selected = -1);
// Remove and clear shown while there are bookmarks; the go button's tool tip says whether
// there are any and whether one is chosen.
void ShowBookmarkButtons(Editor& editor);
// After a state file refilled the lists: the editor's bookmarks become what they hold.
// Entries that name no line are left out of both.
void TakeBookmarksFromLists(Editor& editor);

}  // namespace editor
