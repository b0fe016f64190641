// Letter case, ASCII only: the dialect's words and the file names the editor compares are
// ASCII, and every other byte of the ANSI code page must keep its value.
#pragma once

#include <string>
#include <string_view>

namespace editor {

constexpr char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
constexpr char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);

// "Prog.IWB" and "prog.iwb" are one name on Windows.
inline bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  return true;
}

// Where the upper-case needle first occurs in the text, letter case ignored; npos when it
// does not, 0 for an empty needle.
std::size_t FindIgnoringCase(std::string_view text, std::string_view upperNeedle);

}  // namespace editor
