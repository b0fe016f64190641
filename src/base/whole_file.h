// Reading a file in one piece, refusing what is not a regular file or is larger than
// the caller can use, before any of it is read.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace editor {

enum class WholeFileStatus { kRead, kMissing, kUnreadable, kTooLarge };

struct WholeFile {
  WholeFileStatus status = WholeFileStatus::kMissing;
  std::string bytes;
};

WholeFile ReadWholeFile(const std::filesystem::path& path, std::uintmax_t limit);

}  // namespace editor
