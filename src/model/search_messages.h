// The texts a search shows while it runs and when it ends.
#pragma once

#include <string>
#include <string_view>

#include "base/number_text.h"

namespace editor {

// "Line 1,200 of 30,439": the line just tested (1-based) and the file's line count.
std::string ProgressCaption(int lineNumber, int lineCount);

std::string PausedMessage(std::string_view searchText, int found);
std::string FinishedMessage(std::string_view searchText, int found);

}  // namespace editor
