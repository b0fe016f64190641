// The key word case preference applied to a piece of text.
#pragma once

#include <string>
#include <string_view>

#include "model/editor_preferences.h"

namespace editor {

// ASCII letter case only: the dialect's words are ASCII, and other bytes of the ANSI code
// page must keep their value.
constexpr char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
constexpr char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The text in upper case, in lower case, or as typed. Only the ASCII letters change, so
// the result always has the text's length and can replace it in place in the control.
std::string ApplyKeywordCase(std::string_view text, KeywordCase wordCase);

}  // namespace editor
