// The "Places I've been" pane mirrors the editor's places: the drop-down list 595 (one
// line number per place, the current one chosen), the remove and clear buttons beside it,
// the back and forward arrows or their greyed twins, and the two switches.
#pragma once

#include "base/positions.h"
#include "state/editor.h"

namespace editor {

// The list rebuilt from editor.places, then the buttons.
void ShowPlaces(Editor& editor);
// The current place chosen in the list; list, remove and clear shown while there are
// places; each arrow shown while it has somewhere to go, its greyed twin otherwise; and
// the switches.
void ShowPlaceButtons(Editor& editor);
// Both boxes ticked as their switches stand; "Allow duplicate places" shown while
// "Remember places" is on and shown.
void ShowPlaceSwitches(Editor& editor);
// After a state file refilled the list: the editor's places become what it holds, the
// last one current. Entries that are not line numbers are left out.
void TakePlacesFromList(Editor& editor);

// Lines came or went: the places follow them (PlacesHistory::Shift), and only the list
// entries that changed are written again.
void ShiftPlaces(Editor& editor, const LineShift& shift);

// The line a place records: the caret's line.
LineNumber CurrentPlace(Editor& editor);
// Records the line as a place while "Remember places" is on (AddPlace); quiet for the
// automatic places of jumps, "Added to navigation" otherwise. True when it was recorded.
bool AddPlace(Editor& editor, LineNumber line, bool quiet);

}  // namespace editor
