#include "view/main_window_tooltips.h"

#include <array>

#include "base/control_ids.h"

namespace editor {

namespace {

constexpr std::array<TooltipEntry, 82> kTooltips{{
    {kLineDebugButton, "Show line and debug information"},
    {kCloseFileButton, "Close this file"},
    {kNewFileButton, "Open a new blank file"},
    {kSaveFileButton, "Save file"},
    {kOpenFileButton, "Open an existing file"},
    {kSaveAsButton, "Save file as..."},
    {kReindexButton, "Re-index file"},
    {kNothingToUndoButton, "Nothing to undo"},
    {kRecolourButton, "Re-colour screen"},
    {kAutoCompleteButton, "Turn auto complete of key words off"},
    {kApiSearchButton, "Search Win API 32 Messages, Notifications, etc"},
    {kMainProgramButton, "Show main code"},
    {CodeBlockButtonId(1), "Show me the code in block 1"},
    {CodeBlockButtonId(2), "Show me the code in block 2"},
    {CodeBlockButtonId(3), "Show me the code in block 3"},
    {CodeBlockButtonId(4), "Show me the code in block 4"},
    {kCopyBlockButton, "Copy the current block to the clipboard"},
    {kDeleteBlockButton, "Delete code from the current block"},
    {kGoToLineButton, "Go to this line"},
    {kGoToSubButton, "Go to this subroutine"},
    {kGoToSubEndButton, "Go to subroutine end"},
    {kSearchSubsButton, "Search subroutines by name"},
    {kCopySubButton, "Please select a subroutine to copy to the clipboard"},
    {kCopySubToBlockButton, "Copy subroutine to a block"},
    {kMoveSubButton, "Move subroutine to clicked position"},
    {kDeleteSubButton, "Delete subroutine"},
    {kSubMultiSelectButton, "Subroutine multi-select option"},
    {kClearSubSelectionButton, "Clear subroutine selection"},
    {kGoToWindowButton, "Go to this window / dialog"},
    {kGoToWindowEndButton, "Go to end of window / dialog"},
    {kGoToHandlerButton, "Please select a window before going to the handler routine"},
    {kCopyWindowButton, "Copy window to clipboard"},
    {kCopyWindowToBlockButton, "Copy window to a block"},
    {kMoveWindowButton, "Move window to clicked position"},
    {kDeleteWindowButton, "Delete window"},
    {kWindowMultiSelectButton, "Window multi-select option"},
    {kClearWindowSelectionButton, "Clear window selection"},
    {kGoToBookmarkButton, "Please select a bookmark"},
    {kAddBookmarkButton, "Add to bookmarks"},
    {kRemoveBookmarkButton, "Remove bookmark"},
    {kClearBookmarksButton, "Clear bookmarks"},
    {kBookmarkMultiSelectButton, "Bookmark multi-select"},
    {kShowEditPositionBox, "Show the edit position etc (top right of the screen)"},
    {kGoBackButton, "Go back"},
    {kGoForwardButton, "Go forward"},
    {kAddPlaceButton, "Add location to my places"},
    {kRemovePlaceButton, "Remove location from my places"},
    {kJumpToSelectionsBox, "Automatically jump to a subroutine / window when selected etc"},
    {kFindKeywordButton, "Find this key word in the current file"},
    {kClearKeywordButton, "Clear key word search"},
    {kSearchWordsButton, "Search for specific words"},
    {kClearSearchWordsButton, "Clear search words"},
    {kAndBox, "Line must have all these words"},
    {kOrBox, "Line can have any of these words"},
    {kExactBox, "Search for a specific phrase, example - IF a = 1"},
    // The mixed mode's box carries the tip of the mode it selects.
    {kMixedBox, "Search for in each line (not just an exact match)"},
    {kWordsBox, "Search for specific words, example - IF THEN GOTO"},
    {kFindButton, "Find (and replace, optional)"},
    {kClearFindButton, "Clear find search"},
    {kFirstLineButton, "Go to the first line"},
    {kLastLineButton, "Go to the last line"},
    {kSearchControlsImage, "Search and find controls"},
    {kReloadButton, "Reload this file - WARNING - unsaved work will be lost!"},
    {kRememberPlacesBox, "Add the current location to my places before jumping to subroutines, windows, lines etc"},
    {kClearPlacesButton, "Clear all of my places"},
    {kAllowDuplicatePlacesBox, "Allow duplicate places to be added even though I've been there before"},
    {kSearchControlsButton, "Search for controls and control case statements"},
    {kFixScrollingButton, "I can't scroll - fix it for me"},
    {kFastCodeButton, "Find useful lines of code for each control type"},
    {kExitButton, "Close the editor"},
    {kHelpButton, "Open the help file"},
    {kClearUndoButton, "Clear undo's && redo's"},
    {kCloseFileTopButton, "Close this file"},
    // The go buttons of the two further go-to-line boxes and the greyed places twins
    // say what their neighbours say.
    {kGoToLineButton2, "Go to this line"},
    {kGoToLineButton3, "Go to this line"},
    {kGoBackUnavailable, "Go back"},
    {kGoForwardUnavailable, "Go forward"},
    {kBackupButton, "Backup file"},
    {kAddReadyMadeCodeButton, "Add ready made code"},
    {kGoToLineBox, "Type a line number"},
    {kGoToLineBox2, "Type a line number"},
    {kGoToLineBox3, "Type a line number"},
}};

}  // namespace

std::span<const TooltipEntry> MainWindowTooltips() { return kTooltips; }

std::string TooltipText(const TooltipEntry& entry, const EditorPreferences& prefs) {
  if (entry.id == kRecolourButton && !prefs.colourWordIsColour) return "Re-color screen";
  return std::string(entry.text);
}

}  // namespace editor
