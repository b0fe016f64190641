#include "model/recent_files_list.h"

#include <algorithm>

#include "base/stored_path.h"
#include "base/word_delimiters.h"

namespace editor {

namespace {

constexpr std::size_t kMostEntries = 10'000;

}  // namespace

std::vector<std::string> RecentFilesNewestFirst(std::string_view fileText) {
  std::vector<std::string> oldestFirst;
  for (std::size_t at = 0; at < fileText.size();) {
    std::size_t end = fileText.find_first_of("\r\n", at);
    if (end == std::string_view::npos) end = fileText.size();
    const std::string_view line = Trimmed(fileText.substr(at, std::min(end - at, kLongestStoredPathLine)));
    if (!line.empty() && (oldestFirst.empty() || oldestFirst.back() != line)) oldestFirst.emplace_back(line);
    at = end + 1;
  }
  const std::size_t kept = std::min(oldestFirst.size(), kMostEntries);
  return {oldestFirst.rbegin(), oldestFirst.rbegin() + static_cast<std::ptrdiff_t>(kept)};
}

}  // namespace editor
