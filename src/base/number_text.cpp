#include "base/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

#include "base/word_delimiters.h"

namespace editor {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view text, std::size_t at) {
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at;
}

// The length of the number at the start of text; 0 when there is none.
std::size_t NumberLength(std::string_view text) {
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  const std::size_t wholeStart = at;
  at = SkipDigits(text, at);
  bool digits = at > wholeStart;
  if (at < text.size() && text[at] == '.') {
    const std::size_t fractionStart = at + 1;
    const std::size_t fractionEnd = SkipDigits(text, fractionStart);
    if (fractionEnd > fractionStart || digits) at = fractionEnd;
    digits = digits || fractionEnd > fractionStart;
  }
  if (!digits) return 0;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    std::size_t exponent = at + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    const std::size_t exponentEnd = SkipDigits(text, exponent);
    if (exponentEnd > exponent) at = exponentEnd;
  }
  return at;
}

}  // namespace

int LeadingInt(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  int value = 0;
  // A number too large for an int reads as none.
  if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc()) return 0;
  return value;
}

int WholeInt(std::string_view text) {
  text = Trimmed(text);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() ? value : 0;
}

NumberText ReadNumberText(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  text.remove_prefix(first);
  const std::size_t length = NumberLength(text);
  if (length == 0) return {};
  // Only sign, digits, point and exponent reach strtod, so it cannot read "inf", "nan" or hex.
  const std::string number(text.substr(0, length));
  // Beyond the range of a double it reads as an infinity, which the clamp below brings in.
  return {std::strtod(number.c_str(), nullptr), true};
}

int RoundedNumber(std::string_view text, int minimum, int maximum) {
  const double rounded = std::round(ReadNumberText(text).value);
  return static_cast<int>(std::clamp(rounded, static_cast<double>(minimum), static_cast<double>(maximum)));
}

std::string WithThousands(long long number) {
  const bool negative = number < 0;
  std::string digits = std::to_string(negative ? -number : number);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
    digits.insert(static_cast<std::size_t>(at), 1, ',');
  return negative ? "-" + digits : digits;
}

}  // namespace editor
