// The constants tool's list and its search: name and value of every Win32 constant, read
// from the "NAME value" lines the build generates, and the matches for a typed query.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace constants_tool {

struct Constant {
  std::string name;
  std::int64_t value = 0;
};

// Lines that are not "NAME value" are skipped, so a damaged list still shows the rest.
std::vector<Constant> ParseConstantList(std::string_view text);

enum class MatchMode { kNameContains = 0, kNameBeginsWith = 1, kValue = 2 };
constexpr int kMatchModeCount = 3;
std::string_view MatchModeName(MatchMode mode);

// A value typed in decimal (signed or not) or as 0x hexadecimal; nullopt for anything else.
std::optional<std::int64_t> ParseValueQuery(std::string_view text);

// Indexes into `list` of the matches, in list order. Names match without regard to case;
// an empty name query matches everything. A 32-bit value matches however it is typed:
// -101, 4294967195 and 0xFFFFFF9B all find the same notification.
std::vector<std::size_t> FindConstants(const std::vector<Constant>& list, std::string_view query, MatchMode mode);

// The value as the list shows it: decimal as stored, hexadecimal over 32 bits when it fits
// in them (0xFFFFFF9B), else over 64.
std::string DecimalText(std::int64_t value);
std::string HexText(std::int64_t value);

// "12 of 79,557 constants"
std::string CountText(std::size_t shown, std::size_t total);

}  // namespace constants_tool
