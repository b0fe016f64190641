// The key word case preference applied to a piece of text.
#pragma once

#include <string>
#include <string_view>

#include "base/letter_case.h"
#include "model/editor_preferences.h"

namespace editor {

// The text in upper case, in lower case, or as typed. Only the ASCII letters change, so
// the result always has the text's length and can replace it in place in the control.
std::string ApplyKeywordCase(std::string_view text, KeywordCase wordCase);

}  // namespace editor
