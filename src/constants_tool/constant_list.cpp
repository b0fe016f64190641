#include "constants_tool/constant_list.h"

#include <algorithm>
#include <charconv>
#include <cctype>

#include "base/letter_case.h"
#include "base/number_text.h"
#include "base/word_delimiters.h"

namespace constants_tool {

namespace {

bool IsNameCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }

std::optional<Constant> ParseLine(std::string_view line) {
  line = editor::Trimmed(line);
  const std::size_t space = line.find(' ');
  if (space == 0 || space == std::string_view::npos) return std::nullopt;
  const std::string_view name = line.substr(0, space);
  if (!std::all_of(name.begin(), name.end(), IsNameCharacter)) return std::nullopt;
  const std::string_view digits = line.substr(space + 1);
  Constant constant{std::string(name), 0};
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), constant.value);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return constant;
}

// A value that fits in 32 bits, in both its readings, compares by its low 32 bits.
bool SameValue(std::int64_t stored, std::int64_t typed) {
  const auto fits32 = [](std::int64_t v) { return v >= -(std::int64_t{1} << 31) && v < (std::int64_t{1} << 32); };
  if (fits32(stored) && fits32(typed)) return static_cast<std::uint32_t>(stored) == static_cast<std::uint32_t>(typed);
  return stored == typed;
}

}  // namespace

std::vector<Constant> ParseConstantList(std::string_view text) {
  std::vector<Constant> list;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    if (std::optional<Constant> constant = ParseLine(text.substr(0, end))) list.push_back(std::move(*constant));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return list;
}

std::string_view MatchModeName(MatchMode mode) {
  switch (mode) {
    case MatchMode::kNameContains: return "Name contains";
    case MatchMode::kNameBeginsWith: return "Name begins with";
    case MatchMode::kValue: return "Value";
  }
  return "";
}

std::optional<std::int64_t> ParseValueQuery(std::string_view text) {
  text = editor::Trimmed(text);
  bool negative = false;
  if (!text.empty() && text.front() == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  std::uint64_t magnitude = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (negative) {
    if (magnitude > (std::uint64_t{1} << 63)) return std::nullopt;
    return static_cast<std::int64_t>(0 - magnitude);
  }
  return static_cast<std::int64_t>(magnitude);  // above 2^63 reads as the 64-bit pattern
}

std::vector<std::size_t> FindConstants(const std::vector<Constant>& list, std::string_view query, MatchMode mode) {
  std::vector<std::size_t> found;
  if (mode == MatchMode::kValue) {
    const std::optional<std::int64_t> value = ParseValueQuery(query);
    if (!value) return found;
    for (std::size_t i = 0; i < list.size(); ++i)
      if (SameValue(list[i].value, *value)) found.push_back(i);
    return found;
  }
  // Upper-cased once, not once a name: this runs at every key typed, over every name.
  const std::string wanted = editor::UpperCase(editor::Trimmed(query));
  for (std::size_t i = 0; i < list.size(); ++i) {
    const std::string_view name = list[i].name;
    const bool matches = mode == MatchMode::kNameBeginsWith
                             ? name.size() >= wanted.size() &&
                                   editor::EqualIgnoringCase(name.substr(0, wanted.size()), wanted)
                             : editor::FindIgnoringCase(name, wanted) != std::string_view::npos;
    if (matches) found.push_back(i);
  }
  return found;
}

std::string DecimalText(std::int64_t value) { return std::to_string(value); }

std::string HexText(std::int64_t value) {
  const bool fits32 = value >= -(std::int64_t{1} << 31) && value < (std::int64_t{1} << 32);
  const std::uint64_t bits = fits32 ? static_cast<std::uint32_t>(value) : static_cast<std::uint64_t>(value);
  char digits[17] = {};
  const auto [end, error] = std::to_chars(digits, digits + sizeof(digits) - 1, bits, 16);
  std::string text = "0x" + std::string(digits, end);
  std::transform(text.begin() + 2, text.end(), text.begin() + 2, editor::AsciiUpper);
  return text;
}

std::string CountText(std::size_t shown, std::size_t total) {
  return editor::WithThousands(static_cast<long long>(shown)) + " of " +
         editor::WithThousands(static_cast<long long>(total)) + " constants";
}

}  // namespace constants_tool
