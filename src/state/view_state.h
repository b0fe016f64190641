// Where the view stands and which switches are on: what the main window's commands share
// between one event and the next.
#pragma once

#include <string>

#include "base/positions.h"

namespace editor {

struct ViewState {
  LineNumber topLine = kNoLine;            // the line the view is positioned on
  LineNumber rememberedTopLine = kNoLine;  // the top line at the last timer tick
  int blockView = 0;                       // 0: the main code; 1..4: a code block is shown
  bool busy = false;                       // text is being rebuilt or recoloured: change notices are ignored
  bool thumbDrag = false;                  // the scroll-bar thumb is being dragged
  bool loading = false;                    // a file is being loaded: list notices are ignored
  bool exiting = false;
  bool shortcutKeyHeld = false;  // set by the edit control's key handling

  // Switches, started from the preferences, flipped by their boxes and buttons.
  bool jumpToSelections = false;
  bool rememberPlaces = false;
  bool allowDuplicatePlaces = false;
  bool autoComplete = true;
  bool editPositionShown = false;
  bool debugPanelShown = false;

  // The key word suggestion list: the row the last check chose, how well it matched
  // (0 nothing, 1 a longer word, 2 the word itself) and the field it was shown for.
  int suggestionRow = 0;
  int suggestionMatch = 0;
  int suggestionField = 0;

  // Where the last keystroke in a go-to-line box put the caret: typing on in the box
  // records no new place before each jump.
  LineNumber boxJumpLine = kNoLine;

  int editColumn = 0;
  int editOffset = 0;
  int lastWrittenFirstLine = 0;  // the ".src" file is rewritten only when this changes
  // Counted so that what remembers the colours or text it last saw knows when they may
  // have changed: every colour pass over lines, and every edit recorded or replayed.
  int colourPasses = 0;
  int textEdits = 0;
};

}  // namespace editor
