// The character classes that split source lines into words, shared by the colouring,
// the indexer and the bracket counter.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace editor {

// A double quote, the punctuation that ends a word, TAB, CR, LF and ".". A character's
// code is its 1-based position here, 0 for a word character.
inline constexpr std::string_view kWordDelimiters = "\"' ,-+()[]=:<>&|\t\r\n.";

namespace delimiter {
constexpr int kNone = 0;
constexpr int kQuote = 1;
constexpr int kApostrophe = 2;
constexpr int kOpenRound = 7;
constexpr int kCloseRound = 8;
constexpr int kOpenSquare = 9;
constexpr int kCloseSquare = 10;
constexpr int kBar = 16;
constexpr int kCarriageReturn = 18;
}  // namespace delimiter

// Every byte's code, looked up once per character by the passes over whole files.
inline constexpr auto kDelimiterCodes = [] {
  std::array<unsigned char, 256> codes{};
  for (std::size_t i = 0; i < kWordDelimiters.size(); ++i)
    codes[static_cast<unsigned char>(kWordDelimiters[i])] = static_cast<unsigned char>(i + 1);
  return codes;
}();

constexpr int DelimiterCode(char c) { return kDelimiterCodes[static_cast<unsigned char>(c)]; }

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The text without its leading blanks.
constexpr std::string_view WithoutLeadingBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

// The text without blanks or line breaks at either end.
constexpr std::string_view Trimmed(std::string_view text) {
  auto edge = [](char c) { return IsBlank(c) || c == '\r' || c == '\n'; };
  while (!text.empty() && edge(text.front())) text.remove_prefix(1);
  while (!text.empty() && edge(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace editor
