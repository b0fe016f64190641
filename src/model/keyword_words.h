// The dialect's built-in words, in upper case and in table order within each group.
//
// Within a group the words stand in alphabetical order with "_" sorting before every
// other character; the bucket indexes need only that words sharing their bucket letter
// stand together. Adding a word means inserting it in its place in one of these lists.
#pragma once

#include <span>
#include <string_view>

namespace editor::keyword_words {

std::span<const std::string_view> Constants();     // each begins with "@"
std::span<const std::string_view> Preprocessor();  // each begins with "$"
std::span<const std::string_view> Keywords();      // statements, functions, types, operators
std::span<const std::string_view> Assembly();      // each begins with "_" or "__"

// Key words shown in the Definition colour instead of the Key word colour.
std::span<const std::string_view> Definitions();

}  // namespace editor::keyword_words
