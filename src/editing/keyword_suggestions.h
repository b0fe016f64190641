// The key word suggestion list: row 0 a blank, then every dialect word in table order. A
// word being typed in the editor or in the find box selects the first word it begins
// and shows the list beside it; a word that begins none hides the list.
#pragma once

#include <string_view>

#include "model/keyword_table.h"
#include "platform/rich_edit.h"
#include "state/command_table.h"
#include "state/editor.h"

namespace editor {

struct Suggestion {
  int row = 0;    // the word's table slot, which is its row in the list; 0 for none
  int match = 0;  // 1: a longer word begins with the typed text; 2: the typed text is the word
};

// Whether a typed word may be completed at all: two characters or more, starting with a
// letter, "@", "$" or "_", but not with Q, X, Y or Z (no dialect word suits them).
bool MayBeSuggested(std::string_view word);

// The first word that begins with the typed text, letter case ignored: among the
// constants for text that begins with "@", among the other words otherwise. The first,
// so that a word typed whole is never taken for a longer one.
Suggestion FindSuggestion(const KeywordTable& table, std::string_view typed);

// The run of word characters that ends the text, and whether a delimiter (or the start of
// the text) stands before it.
std::string_view WordEndingText(std::string_view text, bool* followsDelimiter);

// Puts the words into the list once, with its drawing off.
void FillSuggestionList(Editor& editor);

enum class SuggestionPlace { kAtCaret, kByFindBox };

// The check: chooses and shows the row for a typed word, or hides the list. Nothing
// happens while auto-completion is off or the editor is busy.
void CheckKeywordSuggestion(Editor& editor, std::string_view typed, SuggestionPlace place, ui::Point caret = {});

// The check on the word that ends at the edit control's caret.
void CheckWordBeforeCaret(Editor& editor, const ui::RichEdit& edit);
// The same with the caret's line read already (without the CR), the caret at `column`.
void CheckWordBeforeCaret(Editor& editor, const ui::RichEdit& edit, std::string_view lineText, int column);

// The check on the last word of the find box, on each change of its text.
void CheckFindBoxWord(Editor& editor);
CommandRows FieldSuggestionCommands();

void HideSuggestions(Editor& editor);
bool SuggestionsShown(const Editor& editor);

}  // namespace editor
