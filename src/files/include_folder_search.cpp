#include "files/include_folder_search.h"

#include <algorithm>
#include <exception>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "base/letter_case.h"

namespace editor {

namespace {

struct PendingFolder {
  std::filesystem::path path;
  int depth = 0;
};

bool BeginsWithIwbDev(const std::string& upper) { return upper.rfind("IWBDEV", 0) == 0; }

// A name that has no narrow form (a stray UTF-16 surrogate on Windows) cannot be an
// IWBDev name: it is passed over rather than thrown out of the start-up.
std::string UpperText(const std::filesystem::path& path) {
  try {
    return UpperCase(path.string());
  } catch (const std::exception&) {
    return {};
  }
}

// The path below the root, upper-cased: the drive itself takes no part in the test.
bool IsIncludeFolder(const std::filesystem::path& root, const std::filesystem::path& folder) {
  const std::string below = UpperText(folder.lexically_relative(root));
  return BeginsWithIwbDev(below) && below.find("INCLUDE") != std::string::npos;
}

std::filesystem::path WithTrailingSeparator(const std::filesystem::path& folder) {
  std::filesystem::path result = folder;
  result += std::filesystem::path::preferred_separator;
  return result;
}

// The folders directly inside this one, in the order listed, leaving out links and
// junctions and what cannot be read.
std::vector<std::filesystem::path> SubfoldersOf(const ui::System& system, const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> folders;
  std::error_code error;
  const auto options = std::filesystem::directory_options::skip_permission_denied;
  for (std::filesystem::directory_iterator it(folder, options, error), end; !error && it != end;
       it.increment(error)) {
    std::error_code kindError;
    if (it->is_symlink(kindError) || !it->is_directory(kindError) || kindError) continue;
    if (system.IsLinkOrJunction(it->path())) continue;
    folders.push_back(it->path());
  }
  return folders;
}

}  // namespace

IncludeSearchResult SearchIncludeFolder(const ui::System& system, const IncludeSearchBounds& bounds) {
  IncludeSearchResult result;
  const std::filesystem::path root = system.DriveRoot();
  const std::int64_t start = system.NowMs();

  std::vector<PendingFolder> pending;
  std::vector<std::filesystem::path> top = SubfoldersOf(system, root);
  result.foldersListed = 1;
  std::erase_if(top, [](const std::filesystem::path& p) { return !BeginsWithIwbDev(UpperText(p.filename())); });
  // Pushed in reverse so that they come off the stack in the order listed.
  for (auto it = top.rbegin(); it != top.rend(); ++it) pending.push_back({*it, 1});

  while (!pending.empty()) {
    const PendingFolder folder = std::move(pending.back());
    pending.pop_back();
    if (IsIncludeFolder(root, folder.path)) {
      result.folder = WithTrailingSeparator(folder.path);
      return result;
    }
    if (folder.depth >= bounds.maxDepth) continue;
    if (result.foldersListed >= bounds.maxFolders || system.NowMs() - start >= bounds.maxMs) {
      result.stoppedAtBound = true;
      return result;
    }
    const std::vector<std::filesystem::path> inside = SubfoldersOf(system, folder.path);
    ++result.foldersListed;
    for (auto it = inside.rbegin(); it != inside.rend(); ++it) pending.push_back({*it, folder.depth + 1});
  }
  return result;
}

}  // namespace editor
