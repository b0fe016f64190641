// Taking a suggestion: the typed part of the word gives way to the chosen dialect word in
// the key word case, in the editor as one undoable edit with what was typed before it,
// or in the find box.
#pragma once

#include "state/command_table.h"
#include "state/editor.h"

namespace editor {

// Replaces the typed word with the list's selected word and hides the list. False when
// the list shows no word to take, so that the key goes on as usual.
bool AcceptSuggestion(Editor& editor);

// The double click on a row of the list.
CommandRows SuggestionCommands();

}  // namespace editor
