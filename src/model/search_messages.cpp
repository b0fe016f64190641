#include "model/search_messages.h"

namespace editor {

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
