#include "base/letter_case.h"

#include <algorithm>
#include <cstring>

namespace editor {

std::string UpperCase(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(), AsciiUpper);
  return upper;
}

std::string LowerCase(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), AsciiLower);
  return lower;
}

namespace {

// The first place at or after `from` (and at most at `last`) that holds c; npos when none.
std::size_t NextOf(std::string_view text, char c, std::size_t from, std::size_t last) {
  if (from > last) return std::string_view::npos;
  const void* hit = std::memchr(text.data() + from, c, last - from + 1);
  return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text.data()) : std::string_view::npos;
}

}  // namespace

std::size_t FindIgnoringCase(std::string_view text, std::string_view upperNeedle) {
  constexpr std::size_t kNone = std::string_view::npos;
  if (upperNeedle.empty()) return 0;
  if (upperNeedle.size() > text.size()) return kNone;
  // memchr finds the candidates for the first character in each case; each case's next
  // candidate is looked for again only once the scan has passed it, so a long line costs
  // one walk per case, not one per candidate.
  const char upper = upperNeedle.front();
  const char lower = AsciiLower(upper);
  const std::string_view rest = upperNeedle.substr(1);
  const std::size_t last = text.size() - upperNeedle.size();
  std::size_t nextUpper = NextOf(text, upper, 0, last);
  std::size_t nextLower = upper == lower ? kNone : NextOf(text, lower, 0, last);
  while (nextUpper != kNone || nextLower != kNone) {
    const std::size_t at = std::min(nextUpper, nextLower);
    if (EqualIgnoringCase(text.substr(at + 1, rest.size()), rest)) return at;
    if (at == nextUpper) nextUpper = NextOf(text, upper, at + 1, last);
    if (at == nextLower) nextLower = NextOf(text, lower, at + 1, last);
  }
  return kNone;
}

}  // namespace editor
