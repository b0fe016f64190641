// Numbers as the preference file and the settings windows' number boxes hold them: the
// decimal number the text begins with, whatever follows ignored, no number reading as 0.
#pragma once

#include <string_view>

namespace editor {

struct NumberText {
  double value = 0;
  bool found = false;  // false: the text does not begin with a number, and value is 0
};

// Leading blanks are skipped; then an optional sign, digits, an optional fraction and an
// optional exponent. "12.6 pt" reads 12.6, "abc" reads 0 (not found).
NumberText ReadNumberText(std::string_view text);

// The number rounded half away from zero and brought into [minimum, maximum].
int RoundedNumber(std::string_view text, int minimum, int maximum);

}  // namespace editor
