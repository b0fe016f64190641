// Numbers read from text: whole numbers in boxes, list cells, gutter labels and companion
// files, and the decimal numbers of the preference file and the settings windows' boxes;
// and large counts written for people.
#pragma once

#include <string>
#include <string_view>

namespace editor {

// The whole number the text begins with, after spaces and TABs; whatever follows is
// ignored, and a text that begins with no number reads as 0.
int LeadingInt(std::string_view text);

// The text, blanks around it aside, as a whole number; 0 when it holds anything else.
int WholeInt(std::string_view text);

// The decimal number the text begins with, whatever follows ignored, no number reading as 0.

struct NumberText {
  double value = 0;
  bool found = false;  // false: the text does not begin with a number, and value is 0
};

// Leading blanks are skipped; then an optional sign, digits, an optional fraction and an
// optional exponent. "12.6 pt" reads 12.6, "abc" reads 0 (not found).
NumberText ReadNumberText(std::string_view text);

// The number rounded half away from zero and brought into [minimum, maximum].
int RoundedNumber(std::string_view text, int minimum, int maximum);

// 1234567 -> "1,234,567".
std::string WithThousands(long long number);

}  // namespace editor
