// How many round and square brackets the caret's line opens and closes, shown in two
// status fields that turn to the highlight colour when a pair does not balance.
#pragma once

#include <string>
#include <string_view>

namespace editor {

struct Editor;

struct BracketCounts {
  int openRound = 0;
  int closeRound = 0;
  int openSquare = 0;
  int closeSquare = 0;
  friend bool operator==(const BracketCounts&, const BracketCounts&) = default;
};

// Brackets inside double quotes do not count; those after an apostrophe do.
BracketCounts CountBrackets(std::string_view line);

std::string RoundBracketText(const BracketCounts& counts);
std::string SquareBracketText(const BracketCounts& counts);

// Counts the caret's line and writes both fields.
void ShowBracketCounts(Editor& editor);
// The same for a caret line the caller has read already.
void ShowBracketCountsOf(Editor& editor, std::string_view caretLine);

}  // namespace editor
