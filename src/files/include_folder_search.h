// Finding the IWBDev include folder below the drive root. The walk enters no link or
// junction and stops at a bound of folders and of time, so that a loop in the tree or a
// huge drive cannot hold up the start.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "platform/system.h"

namespace editor {

struct IncludeSearchBounds {
  int maxFolders = 50'000;       // folders listed
  std::int64_t maxMs = 10'000;   // elapsed time
  int maxDepth = 32;             // folders below the root; deeper ones are not entered
};

struct IncludeSearchResult {
  // The folder found, ending in a separator; nullopt when none was.
  std::optional<std::filesystem::path> folder;
  bool stoppedAtBound = false;  // the folder or time bound ended the walk before it was done
  int foldersListed = 0;
};

// Depth first from the drive root: the first folder whose path below the root begins
// with "IWBDEV" and holds "INCLUDE" (letter case ignored). Only top-level folders whose
// names begin with "IWBDEV" can hold such a path, so no other is entered.
IncludeSearchResult SearchIncludeFolder(const ui::System& system, const IncludeSearchBounds& bounds = {});

}  // namespace editor
