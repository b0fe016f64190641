#include "model/search_messages.h"

namespace editor {

std::string WithThousands(long long number) {
  const bool negative = number < 0;
  std::string digits = std::to_string(negative ? -number : number);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
    digits.insert(static_cast<std::size_t>(at), 1, ',');
  return negative ? "-" + digits : digits;
}

std::string ProgressCaption(int lineNumber, int lineCount) {
  return "Line " + WithThousands(lineNumber) + " of " + WithThousands(lineCount);
}

std::string PausedMessage(std::string_view searchText, int found) {
  return "Search paused - results so far for " + std::string(searchText) + ", " + WithThousands(found) +
         " found.";
}

std::string FinishedMessage(std::string_view searchText, int found) {
  return "Results for " + std::string(searchText) + ", " + WithThousands(found) + " found.";
}

}  // namespace editor
