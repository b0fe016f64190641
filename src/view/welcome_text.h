// The welcome text a start shows when no file of the last run comes back: how to begin,
// a warning to copy files first, and a pointer at the open-file button.
#pragma once

#include <string>

#include "state/editor.h"

namespace editor {

// The text, CR LF breaks.
std::string WelcomeText();

// Puts the text in the edit control, with its marked phrases coloured and underlined, and
// points at the open-file button.
void ShowWelcomeText(Editor& editor);
// Takes the pointer and the frame round the open-file button away once a file is shown.
void HideWelcomePointer(Editor& editor);

}  // namespace editor
