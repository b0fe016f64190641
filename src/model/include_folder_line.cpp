#include "model/include_folder_line.h"

#include <algorithm>

#include "base/stored_path.h"
#include "base/word_delimiters.h"

namespace editor {

namespace {

bool CanBeInAFolderName(char c) {
  return static_cast<unsigned char>(c) >= 0x20 && std::string_view("<>\"|?*").find(c) == std::string_view::npos;
}

}  // namespace

std::optional<std::string> IncludeFolderLine(std::string_view fileText) {
  const std::string_view line = Trimmed(fileText.substr(0, fileText.find_first_of("\r\n")));
  if (line.empty() || line.size() > kLongestStoredPathLine || !std::ranges::all_of(line, CanBeInAFolderName)) return std::nullopt;
  return std::string(line);
}

}  // namespace editor
